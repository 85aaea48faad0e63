// Native file names and terminals take UTF-8.
#include "cli/NativeText.h"

bool nativeText(const char* text, const CodePage& codePage, char* native, DWORD size) {
  return convertToUtf8(text, codePage, native, size);
}
