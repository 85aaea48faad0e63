#include "favorites/Names.h"

#include <cctype>
#include <cstring>

const char DirectoryNameEscapes[] = "\"'*+/-:;<{>}?~|!%%";
const char TitleEscapes[] = "\"'*+/-\\_:;<{>}?~|!%%";

DWORD escapeName(const char* source, char escapeCharacter, const char* table, DWORD tableLength, char* destination,
                 DWORD size) {
  if (size <= 1) return 0;
  DWORD written = 0;
  for (const char* next = source;; ++next) {
    char c = *next;
    DWORD entry = 0;
    while (entry + 1 < tableLength && table[entry] != c) entry += 2;
    if (entry + 1 < tableLength) {
      destination[written++] = escapeCharacter;
      destination[written++] = table[entry + 1];
    } else if (c == '\0') {
      destination[written] = '\0';
      return written;
    } else {
      destination[written++] = c;
    }
    if (written >= size - 1) return written;
  }
}

namespace {

const char* const deviceNames[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};

// COM and LPT take a digit or a superscript one, two or three (Windows-1252).
bool isPortSuffix(unsigned char c) { return (c >= '0' && c <= '9') || c == 0xB9 || c == 0xB2 || c == 0xB3; }

bool sameLetters(const char* text, const char* upperName, DWORD length) {
  for (DWORD i = 0; i < length; ++i) {
    if (std::toupper(static_cast<unsigned char>(text[i])) != upperName[i]) return false;
  }
  return true;
}

bool isDeviceName(const char* stem, DWORD length) {
  for (const char* name : deviceNames) {
    if (std::strlen(name) == length && sameLetters(stem, name, length)) return true;
  }
  return length == 4 && (sameLetters(stem, "COM", 3) || sameLetters(stem, "LPT", 3)) &&
         isPortSuffix(static_cast<unsigned char>(stem[3]));
}

}  // namespace

DWORD protectDeviceName(char* component, DWORD length, DWORD room) {
  DWORD stemEnd = 0;
  while (stemEnd < length && component[stemEnd] != '.') ++stemEnd;
  DWORD nameEnd = stemEnd;
  while (nameEnd > 0 && component[nameEnd - 1] == ' ') --nameEnd;
  if (!isDeviceName(component, nameEnd)) return length;
  if (length + 2 > room) return room;
  std::memmove(component + stemEnd + 1, component + stemEnd, length - stemEnd);
  component[stemEnd] = '%';
  component[length + 1] = '\0';
  return length + 1;
}
