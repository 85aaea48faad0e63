#include "favorites/WrittenFiles.h"

namespace {

// FNV-1a of the path with ASCII letters in lower case; never 0, the mark of
// a free slot.
ULONGLONG keyOf(const char* path) {
  ULONGLONG hash = 14695981039346656037ull;
  for (const char* p = path; *p != '\0'; ++p) {
    BYTE c = static_cast<BYTE>(*p);
    if (c >= 'A' && c <= 'Z') c = static_cast<BYTE>(c - 'A' + 'a');
    hash = (hash ^ c) * 1099511628211ull;
  }
  return hash != 0 ? hash : 1;
}

}  // namespace

bool WrittenFiles::add(const char* path) {
  if (2 * (count_ + 1) > capacity_) grow();
  if (!place(keyOf(path))) return false;
  ++count_;
  return true;
}

bool WrittenFiles::place(ULONGLONG key) {
  DWORD mask = capacity_ - 1;
  for (DWORD slot = static_cast<DWORD>(key) & mask;; slot = (slot + 1) & mask) {
    ULONGLONG& held = slots_.get()[slot];
    if (held == key) return false;
    if (held == 0) {
      held = key;
      return true;
    }
  }
}

void WrittenFiles::grow() {
  DWORD oldCapacity = capacity_;
  DWORD newCapacity = oldCapacity == 0 ? 64 : 2 * oldCapacity;
  LocalPointer<ULONGLONG> old = allocateLocal<ULONGLONG>(newCapacity);
  for (DWORD slot = 0; slot < newCapacity; ++slot) old.get()[slot] = 0;
  old.swap(slots_);
  capacity_ = newCapacity;
  for (DWORD slot = 0; slot < oldCapacity; ++slot) {
    if (old.get()[slot] != 0) place(old.get()[slot]);
  }
}
