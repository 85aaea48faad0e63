// Screenshots of a program's windows, as PNG files.
#pragma once

#include <windows.h>

#include <string>

// Saves what the screen shows in the rectangle of `window` to the PNG file
// `path`, once the picture has stayed the same for a moment (the window has
// painted), or after a few seconds. Returns 0, or the Win32 error code of
// the step that failed.
DWORD saveScreenshot(HWND window, const std::string& path);

// Screenshots of the pages a run shows, in one folder, numbered in the
// order they were taken ("01-page101.png"). The folder is made when
// missing and its earlier pictures are removed: it shows the last run.
class PageAlbum {
public:
  explicit PageAlbum(const std::string& folder);

  // Saves the sheet as it shows page `pageId` now. Returns 0, or the Win32
  // error code of the step that failed.
  DWORD take(HWND sheet, int pageId);
  const std::string& folder() const { return folder_; }

private:
  std::string folder_;
  int taken_ = 0;
};
