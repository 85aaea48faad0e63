#include "aol/ProfileList.h"

#include <cstring>
#include <utility>

namespace {

const int FirstCapacity = 16;

}  // namespace

// The rows double when they are full: a copy of each row for every row
// added, at most, and never more than twice the rows held.
bool ProfileList::take(const char* path, const char* screenName, DWORD itemCount) {
  if (profileCount == capacity_) {
    int capacity = capacity_ == 0 ? FirstCapacity : 2 * capacity_;
    LocalPointer<ProfileEntry> rows = allocateLocal<ProfileEntry>(static_cast<SIZE_T>(capacity));
    if (profileCount > 0) std::memcpy(rows.get(), rows_.get(), sizeof(ProfileEntry) * profileCount);
    rows_ = std::move(rows);
    entries = rows_.get();
    capacity_ = capacity;
  }
  fillProfileEntry(entries[profileCount], path, screenName, itemCount);
  ++profileCount;
  return true;
}

void ProfileList::setSelected(int row, bool selected) {
  ProfileEntry& entry = entries[row];
  if (entry.selected == selected) return;
  entry.selected = selected;
  int sign = selected ? 1 : -1;
  selectedCount += sign;
  totalItemCount += sign * static_cast<int>(entry.itemCount);
}

void ProfileList::release() {
  for (int row = 0; row < profileCount; ++row) {
    LocalFree(entries[row].screenName);
    LocalFree(entries[row].profilePath);
  }
  rows_.reset();
  entries = nullptr;
  capacity_ = 0;
  profileCount = 0;
  selectedCount = 0;
  totalItemCount = 0;
}
