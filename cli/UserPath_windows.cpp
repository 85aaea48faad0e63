// Windows paths are the core's own.
#include "cli/UserPath.h"

#include "favorites/Texts.h"

bool takeUserPath(const char* user, char* path, DWORD size) { return copyText(user, path, size) < size; }

void showPath(const char* path, char* shown, DWORD size) {
  if (copyText(path, shown, size) == size) shown[size - 1] = '\0';
}
