// The messages of profile discovery, shown on standard error: ShowMessage
// of placemove-cli.
#pragma once

#include <windows.h>

// Files that discovery could not read and skipped, so far.
DWORD unreadableFileCount();
