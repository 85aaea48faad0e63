#include "app/ProfileSelection.h"

namespace {

bool contains(const int* lines, int count, int line) {
  for (int i = 0; i < count; ++i) {
    if (lines[i] == line) return true;
  }
  return false;
}

}  // namespace

void selectListedProfiles(ProfileTable& table, const int* lines, int count) {
  table.selectedCount = 0;
  table.totalItemCount = 0;
  for (int row = 0; row < table.profileCount && row < MaxProfiles; ++row) {
    ProfileEntry& entry = table.entries[row];
    entry.selected = entry.listIndex >= 0 && contains(lines, count, entry.listIndex);
    if (!entry.selected) continue;
    // The item counts of a table's files never reach 2^31 together: each
    // index is read up to its first 16 MiB, four bytes an item.
    ++table.selectedCount;
    table.totalItemCount += static_cast<int>(entry.itemCount);
  }
}
