// Bytes in memory as a source of the reader: the fuzzers and the reader's
// tests feed any bytes this way.
#pragma once

#include "aol/organize/ByteSource.h"

namespace organize {

class MemorySource : public ByteSource {
public:
  // The bytes are not copied: they must outlive the source.
  MemorySource(const void* bytes, ULONGLONG size);

  ULONGLONG size() const override { return size_; }
  bool read(DWORD offset, void* buffer, DWORD count) override;

private:
  const BYTE* bytes_;
  ULONGLONG size_;
};

}  // namespace organize
