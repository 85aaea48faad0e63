#include "favorites/Names.h"

#include "favorites/Texts.h"

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

DWORD protectTrailingDotOrSpace(char* component, DWORD length, DWORD room) {
  if (length == 0 || (component[length - 1] != '.' && component[length - 1] != ' ')) return length;
  if (length + 2 > room) return room;
  component[length] = '%';
  component[length + 1] = '\0';
  return length + 1;
}

namespace {

// Appends one component, the `count` characters at `component`, to the
// folder of `length` characters in `destination`: a backslash unless the
// folder is empty, then the component made safe. Returns the new length, or
// `size` when it does not fit with its terminator; `destination` then still
// ends at `length`. No component of MAX_PATH characters or more makes a
// folder.
DWORD appendFolderComponent(const char* component, DWORD count, char* destination, DWORD length, DWORD size) {
  if (count >= MAX_PATH) return size;
  char source[MAX_PATH];
  copyChars(component, count, source, MAX_PATH);
  // Every character escapes to two at most and the marks add two: the
  // component made safe always fits, terminated.
  char made[2 * MAX_PATH + 2];
  DWORD madeLength = escapeName(source, '%', DirectoryNameEscapes, DirectoryNameEscapesLength, made, sizeof made);
  madeLength = protectDeviceName(made, madeLength, sizeof made);
  madeLength = protectTrailingDotOrSpace(made, madeLength, sizeof made);
  DWORD start = length == 0 ? 0 : length + 1;
  if (static_cast<unsigned long long>(start) + madeLength >= size) return size;
  if (length > 0) destination[length] = '\\';
  copyChars(made, madeLength, destination + start, size - start);
  return start + madeLength;
}

}  // namespace

DWORD makeFolderName(const char* name, char* destination, DWORD size) {
  if (size == 0) return 0;
  destination[0] = '\0';
  DWORD length = 0;
  for (const char* next = name; *next != '\0';) {
    DWORD count = static_cast<DWORD>(std::strcspn(next, "\\"));
    if (count > 0) {
      length = appendFolderComponent(next, count, destination, length, size);
      if (length == size) {
        destination[0] = '\0';
        return size;
      }
    }
    next += count;
    if (*next == '\\') ++next;
  }
  return length;
}
