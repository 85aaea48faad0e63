// An open registry key, read in the registry's 32-bit view, whose failures
// become the program's exceptions.
#pragma once

#include <windows.h>

class RegistryKey {
public:
  RegistryKey() = default;
  // Closes a key that is still open. That happens only when a failure is
  // already on its way out, so a failing close is not reported again here;
  // the normal paths call close() and learn of it.
  ~RegistryKey();
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  // Opens `subKey` below `root` for reading, and for writing too when
  // `forWriting`; a key already held is closed first. False when the key
  // does not exist; any other failure throws mirrex::RegError with the key
  // name and the cause "RegOpenKeyEx".
  bool open(HKEY root, const char* subKey, bool forWriting);

  // Reads value `valueName` into `data` (`dataSize` bytes) and its type into
  // `type`. Returns the bytes stored (a text's count includes its NUL when
  // the value holds one), 0 when the value does not exist, or, when it does
  // not fit, the size it needs, which then exceeds `dataSize` and leaves
  // `data` undefined. Any other failure throws mirrex::RegValueError with the
  // value name and the cause "RegQueryValueEx".
  DWORD queryValue(const char* valueName, DWORD& type, BYTE* data, DWORD dataSize);

  // Closes the key; the holder is empty afterwards whatever happens. Throws
  // mirrex::Win32Error "RegCloseKey" when the close fails.
  void close();

private:
  HKEY handle_ = nullptr;
};
