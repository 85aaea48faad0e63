// The selected profiles of a table written as the content of a bookmarks
// file's top folder, the same way for every front end that writes one.
#pragma once

#include "aol/ProfileTable.h"
#include "bookmarks/BookmarksFileWriter.h"

#include <windows.h>

// How a front end reads one profile: with its own progress and its own
// way of telling the user what went wrong.
class ProfileReader {
 public:
  // Reads the profile of `entry` into `sink`. False when the profile cannot
  // be read, after the user has been told why; what reached the sink stays.
  virtual bool read(const ProfileEntry& entry, FavoritesSink& sink) = 0;

 protected:
  ~ProfileReader() = default;
};

struct ProfilesRead {
  DWORD read = 0;
  DWORD unreadable = 0;  // profiles whose read failed
};

// Writes the selected rows of `entries` (0 .. profileCount - 1, of which
// `selectedCount` are selected) into the open top folder of `writer`: a
// lone selected profile straight into it, each of several into a folder
// titled with its screen name. A profile that cannot be read leaves what
// was read of it, its folders closed, and the next profile goes on.
ProfilesRead writeSelectedProfiles(BookmarksFileWriter& writer, const ProfileEntry* entries, int profileCount,
                                   int selectedCount, ProfileReader& reader);
