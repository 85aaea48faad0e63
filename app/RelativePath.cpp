#include "app/RelativePath.h"

#include <cctype>
#include <cstring>

namespace {

bool sameLetter(char left, char right) {
  return std::toupper(static_cast<unsigned char>(left)) == std::toupper(static_cast<unsigned char>(right));
}

}  // namespace

const char* pathBelow(const char* path, const char* folder) {
  std::size_t length = std::strlen(folder);
  if (length == 0) return nullptr;
  for (std::size_t i = 0; i < length; ++i) {
    // The terminator of a shorter path differs from every letter of folder.
    if (!sameLetter(path[i], folder[i])) return nullptr;
  }
  const char* rest = path + length;
  // A folder given with its backslash ("C:\") is followed by the rest.
  if (folder[length - 1] == '\\' || rest[0] == '\0') return rest;
  return rest[0] == '\\' ? rest + 1 : nullptr;
}
