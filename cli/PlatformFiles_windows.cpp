#include "cli/PlatformFiles.h"

bool fileIdentity(const char* path, FileIdentity& identity) {
  // No access asked: the file index is read without opening the data; a
  // folder opens only with backup semantics.
  HANDLE file = CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                            FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION information;
  BOOL read = GetFileInformationByHandle(file, &information);
  CloseHandle(file);
  if (!read) return false;
  identity = FileIdentity{information.dwVolumeSerialNumber,
                          (static_cast<ULONGLONG>(information.nFileIndexHigh) << 32) | information.nFileIndexLow};
  return true;
}

bool isDanglingLink(const char* path) {
  // The attributes are the link's own; opening follows it.
  DWORD attributes = GetFileAttributesA(path);
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) return false;
  FileIdentity identity;
  if (fileIdentity(path, identity)) return false;
  DWORD code = GetLastError();
  return code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND;
}

bool sameEntryName(const char* first, const char* second) { return lstrcmpiA(first, second) == 0; }
