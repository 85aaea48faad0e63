#include "aol/AolLocator.h"

#include "aol/RegistryKey.h"
#include "favorites/Texts.h"

#include <cstring>

namespace {

struct InstallKey {
  const char* subKey;
  const char* valueName;
};

// Where the AOL and CompuServe 2000 clients record their installation
// directory, in the order they are tried. The App Paths keys hold it in
// "Path", so no program name has to be removed.
const InstallKey AolInstallKeys[] = {
    {"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\AOL.EXE", "Path"},
    {"Software\\America Online\\America Online\\4.0", "AppPath"},
    {"Software\\America Online\\AOL\\CurrentVersion", "AppPath"},
    {"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\CS.EXE", "Path"},
    {"Software\\CompuServe\\CompuServe\\2000.0", "AppPath"},
    {"Software\\CompuServe\\CompuServe\\CurrentVersion", "AppPath"},
};

const char OrganizeSuffix[] = "\\organize\\";
const DWORD OrganizeSuffixLength = sizeof OrganizeSuffix - 1;

// Reads the candidate's value into `buffer`. True when it gives a
// directory, whose length without a trailing backslash is then stored in
// `length`. Passed over: no key or value, a type other than REG_SZ, an empty
// text, and a text that leaves no room in `buffer` for the organize suffix
// and its terminator (a cut path would name another directory). The text
// ends at its first NUL, or with the stored bytes when the value was stored
// without one.
bool readInstallDirectory(HKEY root, const InstallKey& candidate, char* buffer, DWORD size, DWORD& length) {
  RegistryKey key;
  if (!key.open(root, candidate.subKey, false)) return false;
  DWORD type = REG_NONE;
  DWORD count = key.queryValue(candidate.valueName, type, reinterpret_cast<BYTE*>(buffer), size);
  key.close();
  if (type != REG_SZ || count == 0 || count > size) return false;
  length = static_cast<DWORD>(strnlen(buffer, count));
  if (length == 0) return false;
  if (buffer[length - 1] == '\\') --length;  // only one: a doubled backslash stays doubled
  return length + OrganizeSuffixLength < size;
}

}  // namespace

int findAolDirectory(char* buffer, DWORD size) {
  const HKEY roots[] = {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER};
  for (HKEY root : roots) {
    for (const InstallKey& candidate : AolInstallKeys) {
      DWORD length = 0;
      if (readInstallDirectory(root, candidate, buffer, size, length)) {
        return static_cast<int>(length + copyText(OrganizeSuffix, buffer + length, size - length));
      }
    }
  }
  // Passed-over values may have left anything in the buffer, even bytes
  // without a terminator: no directory is the empty text.
  if (size > 0) buffer[0] = '\0';
  return 0;
}
