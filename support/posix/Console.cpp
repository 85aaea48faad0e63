// The standard handles and the console test over the process's descriptors.
#include <sys/stat.h>
#include <unistd.h>

#include "Handles.h"

using namespace posix;

namespace {

// The handle of an open descriptor, made the first time it is asked for;
// null when the descriptor is not open, as Windows gives for a process
// without that handle.
HANDLE standardHandle(int descriptor, DWORD access) {
  struct stat status;
  if (fstat(descriptor, &status) != 0) return nullptr;
  return addFile(FileObject{descriptor, status.st_dev, status.st_ino, access, FILE_SHARE_READ | FILE_SHARE_WRITE});
}

}  // namespace

HANDLE GetStdHandle(DWORD which) {
  static HANDLE input = standardHandle(STDIN_FILENO, GENERIC_READ);
  static HANDLE output = standardHandle(STDOUT_FILENO, GENERIC_WRITE);
  static HANDLE error = standardHandle(STDERR_FILENO, GENERIC_WRITE);
  switch (which) {
    case STD_INPUT_HANDLE:
      return input;
    case STD_OUTPUT_HANDLE:
      return output;
    case STD_ERROR_HANDLE:
      return error;
    default:
      return fail(ERROR_INVALID_HANDLE, INVALID_HANDLE_VALUE);
  }
}

BOOL GetConsoleMode(HANDLE console, LPDWORD mode) {
  FileObject* file = findFile(console);
  if (file == nullptr || !isatty(file->descriptor)) return fail(ERROR_INVALID_HANDLE, FALSE);
  *mode = ENABLE_PROCESSED_OUTPUT | ENABLE_WRAP_AT_EOL_OUTPUT;
  return TRUE;
}
