// Windows paths are the core's own.
#include "cli/UserPath.h"

#include "favorites/Texts.h"

bool takeUserPath(const char* user, char* path, DWORD size) {
  DWORD limit = size < MAX_PATH ? size : MAX_PATH;
  return copyText(user, path, limit) < limit;
}

void showPath(const char* path, char* shown, DWORD size) {
  if (copyText(path, shown, size) == size) shown[size - 1] = '\0';
}
