// The registry of a POSIX system: there is none, so every key below the
// predefined roots is missing and reading one is a result, not an error.
#include <windows.h>

namespace {

bool isRoot(HKEY key) {
  return key == HKEY_CLASSES_ROOT || key == HKEY_CURRENT_USER || key == HKEY_LOCAL_MACHINE || key == HKEY_USERS;
}

}  // namespace

LSTATUS RegOpenKeyExA(HKEY root, LPCSTR, DWORD, REGSAM, PHKEY) {
  return isRoot(root) ? ERROR_FILE_NOT_FOUND : ERROR_INVALID_HANDLE;
}

LSTATUS RegQueryValueExA(HKEY key, LPCSTR, LPDWORD, LPDWORD, LPBYTE, LPDWORD) {
  return isRoot(key) ? ERROR_FILE_NOT_FOUND : ERROR_INVALID_HANDLE;
}

LSTATUS RegCloseKey(HKEY key) { return isRoot(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE; }
