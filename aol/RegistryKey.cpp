#include "aol/RegistryKey.h"

#include "support/Errors.h"

namespace {

// The AOL and CompuServe clients are 32-bit programs and wrote their keys
// in the registry's 32-bit view. A 32-bit process reads that view anyway; a
// 64-bit build must ask for it.
const REGSAM RegistryView = sizeof(void*) == 8 ? KEY_WOW64_32KEY : 0;

}  // namespace

RegistryKey::~RegistryKey() {
  if (handle_ != nullptr) RegCloseKey(handle_);
}

bool RegistryKey::open(HKEY root, const char* subKey, bool forWriting) {
  if (handle_ != nullptr) close();
  REGSAM access = (forWriting ? KEY_QUERY_VALUE | KEY_SET_VALUE : KEY_QUERY_VALUE) | RegistryView;
  HKEY handle = nullptr;
  LONG code = RegOpenKeyExA(root, subKey, 0, access, &handle);
  if (code == ERROR_FILE_NOT_FOUND) return false;
  if (code != ERROR_SUCCESS) {
    throw mirrex::RegError(mirrex::EventOpenRegistryKey, subKey,
                           mirrex::Win32Error("RegOpenKeyEx", static_cast<DWORD>(code)));
  }
  handle_ = handle;
  return true;
}

DWORD RegistryKey::queryValue(const char* valueName, DWORD& type, BYTE* data, DWORD dataSize) {
  DWORD size = dataSize;
  LONG code = RegQueryValueExA(handle_, valueName, nullptr, &type, data, &size);
  if (code == ERROR_FILE_NOT_FOUND) return 0;
  if (code != ERROR_SUCCESS && code != ERROR_MORE_DATA) {
    throw mirrex::RegValueError(mirrex::EventReadRegistryValue, valueName,
                                mirrex::Win32Error("RegQueryValueEx", static_cast<DWORD>(code)));
  }
  return size;
}

void RegistryKey::close() {
  HKEY handle = handle_;
  handle_ = nullptr;
  LONG code = RegCloseKey(handle);
  if (code != ERROR_SUCCESS) throw mirrex::Win32Error("RegCloseKey", static_cast<DWORD>(code));
}
