// The Windows console takes the 8-bit texts of the ANSI code page, where
// 0x80-0x9F are letters and signs: only the C0 controls and DEL are
// controls.
#include "cli/TerminalText.h"

DWORD nextCharacter(const char* text, bool& control) {
  BYTE c = static_cast<BYTE>(*text);
  control = c < 0x20 || c == 0x7F;
  return 1;
}
