#include "favorites/Paths.h"

#include "favorites/Texts.h"

#include <cctype>
#include <cstring>

namespace {

bool sameLetter(char left, char right) {
  return std::toupper(static_cast<unsigned char>(left)) == std::toupper(static_cast<unsigned char>(right));
}

}  // namespace

bool joinPath(const char* directory, const char* name, char* destination, DWORD size) {
  DWORD n = static_cast<DWORD>(std::strlen(directory));
  DWORD m = static_cast<DWORD>(std::strlen(name));
  if (n >= size) return false;
  std::memcpy(destination, directory, n + 1);
  if (n > 0 && directory[n - 1] != '\\' && name[0] != '\\') destination[n++] = '\\';
  if (static_cast<unsigned long long>(n) + m + 1 > size) return false;
  std::memcpy(destination + n, name, m + 1);
  return true;
}

bool createDirectoryTree(const char* path) {
  char buffer[MAX_PATH];
  DWORD length = copyText(path, buffer, MAX_PATH);
  if (length == MAX_PATH) return false;

  // Back up to the deepest directory that can be made, then come down again.
  DWORD cut = length;
  while (!CreateDirectoryA(buffer, nullptr)) {
    if (GetLastError() != ERROR_PATH_NOT_FOUND) return false;
    while (cut > 0 && buffer[cut - 1] != '\\') --cut;
    if (cut == 0) return false;
    buffer[--cut] = '\0';
  }
  while (cut < length) {
    buffer[cut] = '\\';
    cut += static_cast<DWORD>(std::strlen(buffer + cut));
    if (!CreateDirectoryA(buffer, nullptr)) return false;
  }
  return true;
}

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
