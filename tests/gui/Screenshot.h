// Screenshots of a program's windows, as PNG files.
#pragma once

#include <windows.h>

#include <string>

// Saves what the screen shows in the rectangle of `window` to the PNG file
// `path`, once the picture has stayed the same for a moment (the window has
// painted), or after a few seconds. Returns 0, or the Win32 error code of
// the step that failed.
DWORD saveScreenshot(HWND window, const std::string& path);
