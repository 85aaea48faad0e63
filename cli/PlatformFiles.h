// What placemove-cli asks of the files at the paths it writes that the
// Win32 calls of the core do not tell alike on both systems: which file a
// path names, whether it is a link to nothing, how names compare. Paths are the
// core's (backslashes).
#pragma once

#include <windows.h>

// The file a path names, once links are followed: two paths of one file
// (a link, a second name, a folder reached another way) have one identity.
struct FileIdentity {
  ULONGLONG volume;
  ULONGLONG index;
};

inline bool sameFile(const FileIdentity& first, const FileIdentity& second) {
  return first.volume == second.volume && first.index == second.index;
}

// The identity of the file or folder at `path`; false when there is none
// (or it cannot be asked). Nothing is opened for reading or writing, so a
// pipe or a device does not block.
bool fileIdentity(const char* path, FileIdentity& identity);
// True when `path` is a symbolic link whose target is not there.
bool isDanglingLink(const char* path);
// True when two names of one folder name the same entry: natively byte for
// byte, on Windows without regard to case.
bool sameEntryName(const char* first, const char* second);
