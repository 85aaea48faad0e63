// The 8-bit code pages that the texts of an AOL profile (titles, screen
// names, URLs) may be in, and their conversion to Unicode. Every code page
// here is ASCII below 0x80; only the bytes from 0x80 up differ.
#pragma once

#include <windows.h>

// An 8-bit code page: how the bytes of a title, screen name or URL become
// Unicode.
class CodePage {
public:
  // The code page of an AOL client on a Western Windows machine:
  // Windows-1252 as browsers decode it (every byte of 0x80-0x9F defined, the
  // five unassigned ones as U+0081, U+008D, U+008F, U+0090, U+009D).
  static const CodePage& standard();
  // The code page of `name` ("1252", "cp1252", "windows-1252", "1251",
  // "iso-8859-2", "koi8-r", "utf-8", ... case-insensitive), null when none is
  // known by that name.
  static const CodePage* find(const char* name);
  // The names find() knows, one canonical name each: a null-terminated array.
  static const char* const* names();
  // Canonical name, e.g. "windows-1252".
  const char* name() const { return names_[0]; }

  // Reads the character that starts at `text` (not at its terminator) into
  // `codePoint` and returns the text behind it. A byte the code page does
  // not define, and in UTF-8 each byte that does not belong to a valid
  // sequence, is one character U+FFFD.
  const char* decode(const char* text, DWORD& codePoint) const;

private:
  // `upperHalf` holds the code points of the bytes 0x80-0xFF; null for UTF-8.
  constexpr CodePage(const char* const* names, const WORD* upperHalf) : names_(names), upperHalf_(upperHalf) {}

  const char* decodeUtf8(const char* text, DWORD& codePoint) const;

  // The tables of CodePageTables.cpp, made by tools/codepages: all_[i] is the
  // code page of canonical name canonicalNames_[i]; canonicalNames_ ends
  // with null.
  static const CodePage all_[];
  static const char* const canonicalNames_[];

  // The canonical name first, then the other names; null-terminated.
  const char* const* names_;
  const WORD* upperHalf_;
};

// The code point's UTF-8 bytes (1 to 4) in `destination`; returns how many.
DWORD encodeUtf8(DWORD codePoint, char* destination);

// `text` of `codePage` in UTF-8 in `utf8` (`size` characters, terminated);
// false when it was cut to fit, before a character that did not fit whole.
bool convertToUtf8(const char* text, const CodePage& codePage, char* utf8, DWORD size);

// The code point that replaces a byte no code page defines.
const DWORD ReplacementCharacter = 0xFFFD;
