// What the bounded reader of an organize file reads from: a fixed number of
// bytes, read at any offset. A file on disk (FileSource) and bytes in memory
// (MemorySource) are the two sources.
#pragma once

#include <windows.h>

namespace organize {

class ByteSource {
public:
  virtual ~ByteSource() = default;

  // The number of bytes the source holds.
  virtual ULONGLONG size() const = 0;
  // Reads exactly `count` bytes at `offset`. False when the source ends
  // first or the offset is 2^31 or more; a source that fails to read throws
  // (mirrex::Win32Error).
  virtual bool read(DWORD offset, void* buffer, DWORD count) = 0;
};

}  // namespace organize
