// Kernel objects of the POSIX layer: open files and directory searches, kept in
// a table so that a handle that was never opened, or already closed, is told
// apart from a live one as Windows does (ERROR_INVALID_HANDLE).
#pragma once

#include <windows.h>

#include <string>
#include <sys/types.h>
#include <vector>

namespace posix {

struct FileObject {
  int descriptor;
  dev_t device;
  ino_t inode;
  DWORD access;
  DWORD shareMode;
};

struct SearchObject {
  std::vector<WIN32_FIND_DATAA> entries;
  std::size_t next;
};

HANDLE addFile(const FileObject& file);
HANDLE addSearch(SearchObject&& search);
// Null when the handle is not a live object of that kind.
FileObject* findFile(HANDLE handle);
SearchObject* findSearch(HANDLE handle);
bool removeHandle(HANDLE handle);
// True when another open handle of the same file forbids this access.
bool sharingConflict(dev_t device, ino_t inode, DWORD access, DWORD shareMode);

// The host path of a Windows-style path: backslashes become slashes.
std::string hostPath(const char* path);
// False (with ERROR_INVALID_NAME set) for characters Windows refuses in
// names. A colon is not one of them: it names a stream of a file.
bool validName(const char* path);
// The Win32 error for errno after a failed call on `path`.
DWORD errorFromErrno(int error, const std::string& path);
// Windows-style last error: sets it and returns the value given.
template <typename T>
T fail(DWORD error, T result) {
  SetLastError(error);
  return result;
}

}  // namespace posix
