// Finds the AOL profiles in a directory: every organize file directly in it
// becomes a row of the profile table.
#pragma once

#include "aol/ProfileTable.h"

#include <windows.h>

// Rebuilds `table` from the files of `aolDirectory` (a MAX_PATH buffer, to
// which a backslash is appended when it has none). Returns the number of
// profiles found, 0 when there are none, or -1 when the directory cannot be
// searched or the user chose Abort for a file that could not be read; in
// both of those cases a message has been shown through ShowMessage. Other
// failures are thrown.
int discoverProfiles(char* aolDirectory, ProfileTable& table);
