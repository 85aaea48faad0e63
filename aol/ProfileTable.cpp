#include "aol/ProfileTable.h"

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
