#include "favorites/Texts.h"

#include <cstring>

char* duplicateString(const char* text) {
  if (text == nullptr) return nullptr;
  std::size_t size = std::strlen(text) + 1;
  char* copy = static_cast<char*>(LocalAlloc(LMEM_FIXED, size));
  if (copy != nullptr) std::memcpy(copy, text, size);
  return copy;
}

DWORD copyChars(const char* source, DWORD count, char* destination, DWORD size) {
  if (count < size) {
    std::memcpy(destination, source, count);
    destination[count] = '\0';
    return count;
  }
  std::memcpy(destination, source, size);
  return size;
}

DWORD copyText(const char* source, char* destination, DWORD size) {
  return copyChars(source, static_cast<DWORD>(std::strlen(source)), destination, size);
}
