#include "aol/organize/MemorySource.h"

#include <cstring>

namespace organize {

MemorySource::MemorySource(const void* bytes, ULONGLONG size)
    : bytes_(static_cast<const BYTE*>(bytes)), size_(size) {}

// As readAt on a file of these bytes.
bool MemorySource::read(DWORD offset, void* buffer, DWORD count) {
  if (offset > 0x7FFFFFFF || static_cast<ULONGLONG>(offset) + count > size_) return false;
  if (count > 0) std::memcpy(buffer, bytes_ + offset, count);
  return true;
}

}  // namespace organize
