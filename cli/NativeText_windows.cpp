// Windows names files and shows text in the ANSI code page: the profile's
// own bytes, as the wizard writes them.
#include "cli/NativeText.h"

#include "favorites/Texts.h"

bool nativeText(const char* text, const CodePage&, char* native, DWORD size) {
  if (copyText(text, native, size) < size) return true;
  native[size - 1] = '\0';
  return false;
}
