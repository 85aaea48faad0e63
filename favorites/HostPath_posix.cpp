#include "favorites/HostPath.h"

#include "favorites/Texts.h"

bool hostPath(const char* path, char* host, DWORD size) {
  if (copyText(path, host, size) == size) return false;
  for (char* c = host; *c != '\0'; ++c) {
    if (*c == '\\') *c = '/';
  }
  return true;
}
