// POSIX paths: '/' is the core's '\'.
#include "cli/UserPath.h"

#include "favorites/Texts.h"

namespace {

void replace(char* text, char from, char to) {
  for (; *text != '\0'; ++text) {
    if (*text == from) *text = to;
  }
}

}  // namespace

bool takeUserPath(const char* user, char* path, DWORD size) {
  if (copyText(user, path, size) == size) return false;
  replace(path, '/', '\\');
  return true;
}

void showPath(const char* path, char* shown, DWORD size) {
  if (copyText(path, shown, size) == size) shown[size - 1] = '\0';
  replace(shown, '\\', '/');
}
