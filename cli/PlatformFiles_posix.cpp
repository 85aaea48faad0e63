#include "cli/PlatformFiles.h"

#include "favorites/HostPath.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <sys/stat.h>

bool fileIdentity(const char* path, FileIdentity& identity) {
  char host[PATH_MAX];
  struct stat status;
  if (!hostPath(path, host, PATH_MAX) || stat(host, &status) != 0) return false;
  identity = FileIdentity{static_cast<ULONGLONG>(status.st_dev), static_cast<ULONGLONG>(status.st_ino)};
  return true;
}

bool isDanglingLink(const char* path) {
  char host[PATH_MAX];
  struct stat status;
  if (!hostPath(path, host, PATH_MAX) || lstat(host, &status) != 0 || !S_ISLNK(status.st_mode)) return false;
  return stat(host, &status) != 0 && errno == ENOENT;
}

bool sameEntryName(const char* first, const char* second) { return std::strcmp(first, second) == 0; }
