// The shell's folder browser, as the wizard's Browse buttons show it.
#pragma once

#include <windows.h>

#include <shlobj.h>

// Shows the browser owned by `owner`, titled `title`, on the folders at and
// below `root` (null for the whole shell namespace). True when the user
// chose a folder that has a file-system path, which is then in `path`
// (MAX_PATH); false when the user cancelled or chose a virtual folder, such
// as the computer itself.
bool browseForFolder(HWND owner, LPCITEMIDLIST root, const char* title, char* path);
