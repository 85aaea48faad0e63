// The system's Save As dialog, as the destination page's second Browse
// button shows it for the bookmarks file.
#pragma once

#include <windows.h>

// Shows the dialog owned by `owner`, offering bookmarks files (.html), and
// starting from the file `path` (MAX_PATH) names. True when the user chose
// a file, whose full path is then in `path`; false when the user cancelled
// or the dialog could not be shown, and `path` is as it was.
bool chooseFileToSave(HWND owner, char* path);
