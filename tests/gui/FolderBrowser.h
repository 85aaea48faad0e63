// The shell's folder browser that a program shows: finding it, choosing a
// folder in its tree as a user clicking it would, and closing it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The browser of the process: a top-level dialog with a tree view. Null
// while there is none.
HWND findFolderBrowser(DWORD processId);

// Selects the item reached from the tree's root item by the display names
// in `names`, each expanded on the way ({} selects the root item). False
// when a name is not among the children; `found` then lists the names
// that were there.
bool chooseInFolderBrowser(HWND browser, const std::vector<std::string>& names, std::vector<std::string>& found);

// Presses the browser's OK or Cancel button.
bool closeFolderBrowser(HWND browser, int buttonId);
