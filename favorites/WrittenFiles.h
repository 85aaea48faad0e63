// The files one writer has made, remembered by a 64-bit hash of their path,
// so that a name the writer meets again is told from a file that was there
// before it. Letters compare without regard to case, as Windows compares
// names; only ASCII letters are folded, so a file told apart by the case of
// an accented letter alone counts as one that was there before.
#pragma once

#include "support/LocalMemory.h"

#include <windows.h>

class WrittenFiles {
public:
  // Remembers `path`; false when it was remembered already. Throws
  // mirrex::Win32Error "LocalAlloc" when memory is exhausted.
  bool add(const char* path);

private:
  void grow();
  // Places the key in the table, which has room for it; false when it is there.
  bool place(ULONGLONG key);

  // Open addressing: capacity_ slots (a power of two, or none), 0 marks a
  // free one; kept at most half full.
  LocalPointer<ULONGLONG> slots_;
  DWORD capacity_ = 0;
  DWORD count_ = 0;
};
