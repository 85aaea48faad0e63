#include "cli/FileQueries.h"

#include <windows.h>

namespace {

// The search entry of `path`; false when there is none.
bool findEntry(const char* path, WIN32_FIND_DATAA& data) {
  HANDLE search = FindFirstFileA(path, &data);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return true;
}

}  // namespace

bool pathExists(const char* path) {
  WIN32_FIND_DATAA data;
  return findEntry(path, data);
}

bool isDirectory(const char* path) {
  WIN32_FIND_DATAA data;
  return findEntry(path, data) && (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
