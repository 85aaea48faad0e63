#include "bookmarks/CodePage.h"

namespace {

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalIgnoringAsciiCase(const char* left, const char* right) {
  for (; *left != '\0' && lowerAscii(*left) == lowerAscii(*right); ++left, ++right) {
  }
  return lowerAscii(*left) == lowerAscii(*right);
}

BYTE byteAt(const char* text, DWORD offset) { return static_cast<BYTE>(text[offset]); }

bool isContinuation(BYTE byte) { return byte >= 0x80 && byte <= 0xBF; }

}  // namespace

const CodePage& CodePage::standard() { return all_[0]; }

const CodePage* CodePage::find(const char* name) {
  for (DWORD page = 0; canonicalNames_[page] != nullptr; ++page) {
    for (const char* const* known = all_[page].names_; *known != nullptr; ++known) {
      if (equalIgnoringAsciiCase(name, *known)) return &all_[page];
    }
  }
  return nullptr;
}

const char* const* CodePage::names() { return canonicalNames_; }

const char* CodePage::decode(const char* text, DWORD& codePoint) const {
  BYTE byte = byteAt(text, 0);
  if (byte >= 0x80 && upperHalf_ == nullptr) return decodeUtf8(text, codePoint);
  codePoint = byte < 0x80 ? byte : upperHalf_[byte - 0x80];
  return text + 1;
}

// Accepts the well-formed sequences only: no overlong forms, no surrogates,
// nothing above U+10FFFF. The terminator is no continuation byte, so a
// sequence cut by the end of the text is invalid too.
const char* CodePage::decodeUtf8(const char* text, DWORD& codePoint) const {
  BYTE lead = byteAt(text, 0);
  DWORD length = 0;
  BYTE secondLow = 0x80;
  BYTE secondHigh = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    codePoint = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    codePoint = lead & 0x0F;
    if (lead == 0xE0) secondLow = 0xA0;
    if (lead == 0xED) secondHigh = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    codePoint = lead & 0x07;
    if (lead == 0xF0) secondLow = 0x90;
    if (lead == 0xF4) secondHigh = 0x8F;
  }
  BYTE second = byteAt(text, 1);
  bool valid = length > 0 && second >= secondLow && second <= secondHigh;
  for (DWORD offset = 2; valid && offset < length; ++offset) valid = isContinuation(byteAt(text, offset));
  if (!valid) {
    codePoint = ReplacementCharacter;
    return text + 1;
  }
  for (DWORD offset = 1; offset < length; ++offset) codePoint = (codePoint << 6) | (byteAt(text, offset) & 0x3F);
  return text + length;
}

DWORD encodeUtf8(DWORD codePoint, char* destination) {
  if (codePoint < 0x80) {
    destination[0] = static_cast<char>(codePoint);
    return 1;
  }
  if (codePoint < 0x800) {
    destination[0] = static_cast<char>(0xC0 | (codePoint >> 6));
    destination[1] = static_cast<char>(0x80 | (codePoint & 0x3F));
    return 2;
  }
  if (codePoint < 0x10000) {
    destination[0] = static_cast<char>(0xE0 | (codePoint >> 12));
    destination[1] = static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    destination[2] = static_cast<char>(0x80 | (codePoint & 0x3F));
    return 3;
  }
  destination[0] = static_cast<char>(0xF0 | (codePoint >> 18));
  destination[1] = static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
  destination[2] = static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
  destination[3] = static_cast<char>(0x80 | (codePoint & 0x3F));
  return 4;
}

bool convertToUtf8(const char* text, const CodePage& codePage, char* utf8, DWORD size) {
  DWORD length = 0;
  while (*text != '\0') {
    DWORD codePoint = 0;
    const char* next = codePage.decode(text, codePoint);
    char bytes[4];
    DWORD count = encodeUtf8(codePoint, bytes);
    if (length + count >= size) {
      utf8[length] = '\0';
      return false;
    }
    for (DWORD i = 0; i < count; ++i) utf8[length++] = bytes[i];
    text = next;
  }
  utf8[length] = '\0';
  return true;
}
