// The rows of a profile table as discovery fills them, for the tests that
// import or save the selected profiles.
#pragma once

#include "aol/ProfileTable.h"
#include "aol/organize/ProfileCheck.h"
#include "favorites/Texts.h"

#include <string>

// Adds the row of the organize file at `path` to `table`, selected or not
// as the profile page would leave it; returns its item count (0 for a file
// that is no profile).
inline DWORD addProfileRow(ProfileTable& table, const std::string& path, bool selected = true) {
  char screenName[1024];
  DWORD itemCount = checkProfileFile(path.c_str(), screenName, sizeof screenName);
  ProfileEntry& entry = table.entries[table.profileCount];
  entry.selected = selected;
  entry.listIndex = table.profileCount++;
  entry.screenName = duplicateString(screenName);
  entry.profilePath = duplicateString(path.c_str());
  entry.itemCount = itemCount;
  if (selected) {
    ++table.selectedCount;
    table.totalItemCount += static_cast<int>(itemCount);
  }
  return itemCount;
}
