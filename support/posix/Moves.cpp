// Moving and renaming files, as MoveFileEx does on one volume.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "Handles.h"

using namespace posix;

namespace {

// Moves without replacing, the check and the move one step: a file system
// that cannot rename so gets a second name for the file, then loses the
// first one, as it does where the C library has no renameat2 (the
// WebAssembly build's). Returns 0 or the errno of the failure.
int moveWithoutReplacing(const std::string& from, const std::string& to) {
#ifdef RENAME_NOREPLACE
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return errno;
#endif
  if (link(from.c_str(), to.c_str()) != 0) return errno;
  unlink(from.c_str());
  return 0;
}

}  // namespace

BOOL MoveFileExA(LPCSTR existing, LPCSTR target, DWORD flags) {
  if (!validName(existing) || !validName(target)) return FALSE;
  std::string from = hostPath(existing);
  std::string to = hostPath(target);
  // A file open without delete sharing cannot be moved, as on Windows.
  struct stat status;
  if (stat(from.c_str(), &status) == 0 && sharingConflict(status.st_dev, status.st_ino, 0, 0)) {
    return fail(ERROR_SHARING_VIOLATION, FALSE);
  }
  int error = 0;
  if (flags & MOVEFILE_REPLACE_EXISTING) {
    if (std::rename(from.c_str(), to.c_str()) != 0) error = errno;
  } else {
    error = moveWithoutReplacing(from, to);
  }
  if (error == EEXIST) return fail(ERROR_ALREADY_EXISTS, FALSE);
  if (error == 0) return TRUE;
  // A missing source is told from a missing target directory by the path
  // that is not there.
  bool sourceThere = stat(from.c_str(), &status) == 0;
  return fail(errorFromErrno(error, sourceThere ? to : from), FALSE);
}
