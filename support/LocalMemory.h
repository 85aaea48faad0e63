// The owner of a block of local memory (LocalAlloc, fixed): it frees the
// block with LocalFree when it goes. Every LocalAlloc block of the program
// is held by one.
#pragma once

#include <windows.h>

#include <memory>

struct LocalMemoryRelease {
  void operator()(void* memory) const { LocalFree(memory); }
};

template <typename T>
using LocalPointer = std::unique_ptr<T, LocalMemoryRelease>;

// Bytes, and an 8-bit text.
using LocalBlock = LocalPointer<BYTE>;
using LocalText = LocalPointer<char>;

// A block of `size` bytes; throws mirrex::Win32Error "LocalAlloc" when memory
// is exhausted.
LocalBlock allocateLocalBlock(SIZE_T size);

// A block of `count` elements of T, which must need no construction.
template <typename T>
LocalPointer<T> allocateLocal(SIZE_T count) {
  return LocalPointer<T>(reinterpret_cast<T*>(allocateLocalBlock(sizeof(T) * count).release()));
}
