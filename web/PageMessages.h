// The messages of profile discovery in the page: ShowMessage of the web
// build.
#pragma once

#include <windows.h>

// Files that discovery could not read and skipped, since the last reset.
DWORD unreadableFileCount();
void resetUnreadableFiles();
