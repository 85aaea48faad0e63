#include "cli/Console.h"

#include "cli/TerminalText.h"
#include "support/Errors.h"

#include <cstdarg>
#include <cstring>

namespace {

const char HexDigits[] = "0123456789ABCDEF";

// Every line is formatted first and shown then, so that a text read from a
// file reaches the terminal through here whatever message holds it.
void printLine(HANDLE handle, const char* prefix, const char* format, va_list arguments) {
  char line[LineSize];
  wvsprintfA(line, format, arguments);
  char shown[LineSize];
  showControls(line, shown, LineSize);
  writeText(handle, prefix);
  writeText(handle, shown);
  writeText(handle, "\n");
}

}  // namespace

void writeText(HANDLE handle, const char* text) {
  DWORD written = 0;
  DWORD length = static_cast<DWORD>(std::strlen(text));
  if (length > 0) WriteFile(handle, text, length, &written, nullptr);
}

void showControls(const char* text, char* shown, DWORD size) {
  DWORD length = 0;
  while (*text != '\0') {
    bool control = false;
    DWORD bytes = nextCharacter(text, control);
    DWORD needed = control ? 4 * bytes : bytes;
    if (length + needed >= size) break;
    for (DWORD i = 0; i < bytes; ++i) {
      BYTE c = static_cast<BYTE>(text[i]);
      if (control) {
        shown[length++] = '\\';
        shown[length++] = 'x';
        shown[length++] = HexDigits[c >> 4];
        shown[length++] = HexDigits[c & 0x0F];
      } else {
        shown[length++] = static_cast<char>(c);
      }
    }
    text += bytes;
  }
  shown[length] = '\0';
}

void printOwnText(const char* text) {
  HANDLE handle = GetStdHandle(STD_OUTPUT_HANDLE);
  writeText(handle, text);
  writeText(handle, "\n");
}

void printOut(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  printLine(GetStdHandle(STD_OUTPUT_HANDLE), "", format, arguments);
  va_end(arguments);
}

void printError(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  printLine(GetStdHandle(STD_ERROR_HANDLE), "", format, arguments);
  va_end(arguments);
}

void printProblem(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  printLine(GetStdHandle(STD_ERROR_HANDLE), "placemove-cli: ", format, arguments);
  va_end(arguments);
}

void oneLine(const char* text, char* line, DWORD size) {
  while (*text == ' ' || *text == '\r' || *text == '\n') ++text;
  DWORD length = 0;
  for (; text[length] != '\0' && length + 1 < size; ++length) {
    line[length] = text[length] == '\r' || text[length] == '\n' ? ' ' : text[length];
  }
  while (length > 0 && line[length - 1] == ' ') --length;
  line[length] = '\0';
}

void errorLine(const mirrex::BaseError& error, char* text, DWORD size) {
  char formatted[LineSize];
  mirrex::formatErrorText(error, formatted, LineSize);
  oneLine(formatted, text, size);
}

void StandardOutputStream::write(const void* data, DWORD size) {
  DWORD written = 0;
  if (!WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), data, size, &written, nullptr) || written != size) {
    throw mirrex::FileError(mirrex::EventWriteOutputFile, "-", mirrex::Win32Error("WriteFile"));
  }
}
