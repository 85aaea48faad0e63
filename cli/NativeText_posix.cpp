// Native file names and terminals take UTF-8.
#include "cli/NativeText.h"

bool nativeText(const char* text, const CodePage& codePage, char* native, DWORD size) {
  DWORD length = 0;
  while (*text != '\0') {
    DWORD codePoint = 0;
    const char* next = codePage.decode(text, codePoint);
    char bytes[4];
    DWORD count = encodeUtf8(codePoint, bytes);
    if (length + count >= size) {
      native[length] = '\0';
      return false;
    }
    for (DWORD i = 0; i < count; ++i) native[length++] = bytes[i];
    text = next;
  }
  native[length] = '\0';
  return true;
}
