// A native terminal takes UTF-8: the C0 controls, DEL and the C1 controls
// U+0080-U+009F (a terminal may obey U+009B as ESC [) are controls, and so
// is every byte outside a valid sequence, which a terminal may take for
// either.
#include "cli/TerminalText.h"

#include "bookmarks/CodePage.h"

#include <cstring>

DWORD nextCharacter(const char* text, bool& control) {
  static const CodePage* utf8 = CodePage::find("utf-8");
  DWORD codePoint = 0;
  DWORD length = static_cast<DWORD>(utf8->decode(text, codePoint) - text);
  bool invalid = codePoint == ReplacementCharacter && !(length == 3 && std::memcmp(text, "\xEF\xBF\xBD", 3) == 0);
  control = codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F) || invalid;
  return length;
}
