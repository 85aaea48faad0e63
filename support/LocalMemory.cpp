#include "support/LocalMemory.h"

#include "support/Errors.h"

LocalBlock allocateLocalBlock(SIZE_T size) {
  LocalBlock block(static_cast<BYTE*>(LocalAlloc(LMEM_FIXED, size)));
  if (!block) throw mirrex::Win32Error("LocalAlloc", ERROR_NOT_ENOUGH_MEMORY);
  return block;
}
