// The state that the whole process shares: set up by WinMain, exchanged by
// the wizard's pages, read by the import worker. Everything here is written
// on the user-interface thread only.
#pragma once

#include "aol/ProfileTable.h"

#include <windows.h>

#include <shlobj.h>

extern HINSTANCE instanceHandle;        // for the program's own resources
extern char aolDirectory[MAX_PATH];     // where discovery looks for profiles
extern char destinationName[MAX_PATH];  // folder below Favorites; may hold backslashes
extern bool toBookmarksFile;            // a bookmarks file instead, its top folder named so
extern char bookmarksPath[MAX_PATH];    // the file's full path
extern bool replaceBookmarksFile;       // the user agreed to replace the file there
extern LPITEMIDLIST favoritesLocation;  // the Favorites folder as a shell item, during a pass
extern char favoritesPath[MAX_PATH];    // and as a file-system path
extern HCURSOR waitCursor;              // the hourglass, shown while importing
extern HCURSOR arrowCursor;             // the ordinary pointer
extern bool retryRequested;             // the user chose Retry after a fatal error
extern ProfileTable profileTable;       // the profiles that discovery found
