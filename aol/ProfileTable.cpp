#include "aol/ProfileTable.h"

#include "favorites/Texts.h"
#include "support/Errors.h"
#include "support/LocalMemory.h"

void fillProfileEntry(ProfileEntry& entry, const char* path, const char* screenName, DWORD itemCount) {
  LocalText profilePath(duplicateString(path));
  LocalText name(duplicateString(screenName));
  if (!profilePath || !name) throw mirrex::Win32Error("LocalAlloc", ERROR_NOT_ENOUGH_MEMORY);
  entry.selected = false;
  entry.screenName = name.release();
  entry.profilePath = profilePath.release();
  entry.itemCount = itemCount;
}

void releaseProfiles(ProfileTable& table) {
  for (int row = 0; row < table.profileCount && row < MaxProfiles; ++row) {
    ProfileEntry& entry = table.entries[row];
    LocalFree(entry.screenName);
    LocalFree(entry.profilePath);
    entry.screenName = nullptr;
    entry.profilePath = nullptr;
  }
  table.profileCount = 0;
  table.selectedCount = 0;
  table.totalItemCount = 0;
}
