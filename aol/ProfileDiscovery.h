// Finds the AOL profiles in a directory: every organize file directly in it
// is handed to a collector, or becomes a row of the profile table.
#pragma once

#include "aol/ProfileTable.h"

#include <windows.h>

// What takes the profiles that discovery finds, one at a time, in the order
// of the directory search.
class ProfileCollector {
public:
  virtual ~ProfileCollector() = default;
  // The profile in the file `path` (the directory and the file name), with
  // its screen name and item count. False ends the search: the files after
  // it are not read.
  virtual bool take(const char* path, const char* screenName, DWORD itemCount) = 0;
};

// Hands every profile among the files of `aolDirectory` (a MAX_PATH buffer,
// to which a backslash is appended when it has none) to `collector`.
// Returns the number of profiles taken, 0 when there are none, or -1 when
// the directory cannot be searched or the user chose Abort for a file that
// could not be read; in both of those cases a message has been shown
// through ShowMessage. Other failures are thrown.
int discoverProfiles(char* aolDirectory, ProfileCollector& collector);

// The same into `table`, rebuilt: a full table (MaxProfiles rows) ends the
// search.
int discoverProfiles(char* aolDirectory, ProfileTable& table);
