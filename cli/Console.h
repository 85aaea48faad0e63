// Console output of placemove-cli: texts to standard output or standard
// error through the standard handles, one line at a time. Every formatted
// line is shown with its control characters as "\xNN" (showControls), so
// that no text of a file or a file name reaches a terminal as a command.
#pragma once

#include "favorites/OutputStreams.h"
#include "support/Errors.h"

#include <windows.h>

const DWORD LineSize = 1024;  // a formatted line, as wvsprintfA writes at most

// Writes the text as it is; a failure (a closed pipe, say) is ignored:
// there is nowhere left to report it.
void writeText(HANDLE handle, const char* text);
// `text` in `shown` (`size` characters, terminated), each byte of a control
// character (cli/TerminalText.h) written as "\xNN"; cut to fit before a
// character that does not fit whole.
void showControls(const char* text, char* shown, DWORD size);
// The program's own text of several lines (the usage), written as it is
// on standard output with a LF behind.
void printOwnText(const char* text);
// Formats with wvsprintfA (%s, %u, %-20s ...) and writes the line, its
// controls shown, with its LF.
void printOut(const char* format, ...);
void printError(const char* format, ...);
// "placemove-cli: " and the formatted message, as one line on standard error.
void printProblem(const char* format, ...);

// `text` on one line in `line` (`size` characters), cut to fit: line breaks
// become spaces, and spaces around the text are dropped.
void oneLine(const char* text, char* line, DWORD size);
// The text of `error` on one line.
void errorLine(const mirrex::BaseError& error, char* text, DWORD size);

// A stream on standard output that never closes it.
class StandardOutputStream : public OutputStream {
 public:
  void write(const void* data, DWORD size) override;
  void flush() override {}
  void close() override {}
};
