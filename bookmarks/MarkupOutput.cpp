#include "bookmarks/MarkupOutput.h"

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

}  // namespace

void MarkupOutput::write(const char* text) {
  for (const char* next = text; *next != '\0'; ++next) {
    makeRoom(1);
    put(*next);
  }
}

void MarkupOutput::writeIndent(DWORD levels) {
  for (DWORD level = 0; level < levels; ++level) write("    ");
}

void MarkupOutput::writeNumber(LONGLONG number) {
  char digits[24];
  DWORD count = 0;
  ULONGLONG magnitude = number < 0 ? 0 - static_cast<ULONGLONG>(number) : static_cast<ULONGLONG>(number);
  do {
    digits[count++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude > 0);
  makeRoom(count + 1);
  if (number < 0) put('-');
  while (count > 0) put(digits[--count]);
}

void MarkupOutput::writeText(const char* text, const CodePage& codePage, TextField field) {
  bool markup = isMarkupField(field);
  const char* next = text;
  while (*next != '\0') {
    makeRoom(LongestCharacter);
    BYTE c = static_cast<BYTE>(*next);
    if (c >= 0x80) {
      DWORD codePoint = 0;
      next = codePage.decode(next, codePoint);
      count_ += encodeUtf8(codePoint, chunk_ + count_);
      continue;
    }
    const char* entity = markup ? entityOf(c) : nullptr;
    if (isControl(c)) {
      writeControl(c, field);
    } else if (entity != nullptr) {
      write(entity);
    } else {
      put(static_cast<char>(c));
    }
    ++next;
  }
}

// Readers of bookmarks files go by lines and by elements, and some take a
// tab for the end of a field: a control character is never written as
// itself. In a title it becomes a decimal character reference ("&#10;"),
// which a reader turns back into the character inside the title; in a URL
// it is percent-encoded ("%0A"), as a browser would send it.
void MarkupOutput::writeControl(BYTE control, TextField field) {
  static const char hexDigits[] = "0123456789ABCDEF";
  if (field == TextField::Title || field == TextField::ListTitle) {
    put('&');
    put('#');
    writeNumber(control);
    put(';');
  } else {
    put('%');
    put(hexDigits[control >> 4]);
    put(hexDigits[control & 0x0F]);
  }
}

void MarkupOutput::endLine() {
  makeRoom(1);
  put('\n');
  handOver();
}

// The buffer is empty afterwards even when the stream throws, so that a
// later line never repeats part of an earlier one.
void MarkupOutput::handOver() {
  DWORD count = count_;
  count_ = 0;
  if (count > 0) out_.write(chunk_, count);
}
