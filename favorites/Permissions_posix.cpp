#include "favorites/Permissions.h"

#include "favorites/HostPath.h"

#include <climits>
#include <sys/stat.h>

void keepPermissions(const char* replaced, const char* replacement) {
  char from[PATH_MAX];
  char to[PATH_MAX];
  struct stat status;
  if (!hostPath(replaced, from, PATH_MAX) || !hostPath(replacement, to, PATH_MAX)) return;
  // A file that is not there, or not a plain file, has no permissions to
  // pass on; the replacement keeps those it was made with.
  if (stat(from, &status) != 0 || !S_ISREG(status.st_mode)) return;
  chmod(to, status.st_mode & 0777);
}
