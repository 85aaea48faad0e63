// The folders of the profiles of one import, each a folder of its own. Two
// screen names can make one folder name ("" and "\" both make "%", "Ann"
// and "ann" one folder on Windows); sharing it would merge two profiles'
// favourites without a word, so the later profile gets " (2)", " (3)" ...
// behind its name.
#pragma once

#include "support/LocalMemory.h"

#include <windows.h>

class ProfileFolders {
 public:
  // For up to `count` profiles.
  explicit ProfileFolders(DWORD count);

  // The folder below `root` of the profile of the (native) `screenName`, in
  // `folder` (JoinedPathSize), named by makeFolderName as the wizard names
  // it. False when the name is refused or does not fit, or when `count`
  // folders are chosen already.
  bool choose(const char* root, const char* screenName, char* folder);

 private:
  bool used(const char* name) const;

  LocalText names_;  // count_ names of MAX_PATH characters each
  DWORD capacity_;
  DWORD count_;
};
