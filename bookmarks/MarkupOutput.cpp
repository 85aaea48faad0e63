#include "bookmarks/MarkupOutput.h"

#include <cstring>

namespace {

bool isControl(BYTE c) { return c < 0x20 || c == 0x7F; }

bool isMarkupField(TextField field) { return field == TextField::Title || field == TextField::Url; }

const char* entityOf(BYTE c) {
  switch (c) {
    case '&': return "&amp;";
    case '<': return "&lt;";
    case '>': return "&gt;";
    case '"': return "&quot;";
    default: return nullptr;
  }
}

// The bytes written as they are: printable ASCII, in the bookmarks file
// but for its markup characters. One table for each: the loop over a text
// looks up each byte once.
struct PlainBytes {
  bool inMarkup[256];
  bool inList[256];

  constexpr PlainBytes() : inMarkup(), inList() {
    for (int c = 0x20; c < 0x7F; ++c) {
      inList[c] = true;
      inMarkup[c] = c != '&' && c != '<' && c != '>' && c != '"';
    }
  }
};

constexpr PlainBytes Plain;

}  // namespace

DWORD formatNumber(LONGLONG number, char* destination) {
  char digits[20];
  DWORD count = 0;
  ULONGLONG magnitude = number < 0 ? 0 - static_cast<ULONGLONG>(number) : static_cast<ULONGLONG>(number);
  do {
    digits[count++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude > 0);
  DWORD length = 0;
  if (number < 0) destination[length++] = '-';
  while (count > 0) destination[length++] = digits[--count];
  destination[length] = '\0';
  return length;
}

void MarkupOutput::write(const char* text) { writeBytes(text, static_cast<DWORD>(std::strlen(text))); }

void MarkupOutput::writeIndent(DWORD levels) {
  for (DWORD level = 0; level < levels; ++level) writeBytes("    ", 4);
}

// Runs of plain bytes are copied as they are; only the other bytes are
// looked at one by one.
void MarkupOutput::writeText(const char* text, const CodePage& codePage, TextField field) {
  const bool* plain = isMarkupField(field) ? Plain.inMarkup : Plain.inList;
  const char* next = text;
  for (;;) {
    const char* run = next;
    while (plain[static_cast<BYTE>(*next)]) ++next;
    writeBytes(run, static_cast<DWORD>(next - run));
    BYTE c = static_cast<BYTE>(*next);
    if (c == '\0') return;
    makeRoom(LongestCharacter);
    if (c >= 0x80) {
      DWORD codePoint = 0;
      next = codePage.decode(next, codePoint);
      count_ += encodeUtf8(codePoint, chunk_ + count_);
      continue;
    }
    if (isControl(c)) {
      next = writeControls(next, field);
      continue;
    }
    const char* entity = entityOf(c);
    DWORD length = static_cast<DWORD>(std::strlen(entity));
    std::memcpy(chunk_ + count_, entity, length);
    count_ += length;
    ++next;
  }
}

// Readers of bookmarks files go by lines and by elements, and some take a
// tab for the end of a field: a control character is never written as
// itself. In a title a run of them becomes one space, which is what a
// browser's display of a title makes of a line break or a tab (a character
// reference would reach some importers as its text); in a URL each is
// percent-encoded ("%0A"), as a browser would send it.
const char* MarkupOutput::writeControls(const char* run, TextField field) {
  static const char hexDigits[] = "0123456789ABCDEF";
  if (field == TextField::Title || field == TextField::ListTitle) {
    put(' ');
    while (*run != '\0' && isControl(static_cast<BYTE>(*run))) ++run;
    return run;
  }
  BYTE control = static_cast<BYTE>(*run);
  put('%');
  put(hexDigits[control >> 4]);
  put(hexDigits[control & 0x0F]);
  return run + 1;
}

void MarkupOutput::endLine() {
  makeRoom(1);
  put('\n');
  handOver();
}

void MarkupOutput::writeBytes(const char* bytes, DWORD size) {
  while (size > 0) {
    if (count_ == Capacity) handOver();
    DWORD part = Capacity - count_ < size ? Capacity - count_ : size;
    std::memcpy(chunk_ + count_, bytes, part);
    count_ += part;
    bytes += part;
    size -= part;
  }
}

// The buffer is empty afterwards even when the stream throws, so that a
// later line never repeats part of an earlier one.
void MarkupOutput::handOver() {
  DWORD count = count_;
  count_ = 0;
  if (count > 0) out_.write(chunk_, count);
}
