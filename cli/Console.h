// Console output of placemove-cli: texts to standard output or standard
// error through the standard handles, one line at a time.
#pragma once

#include "favorites/OutputStreams.h"
#include "support/Errors.h"

#include <windows.h>

const DWORD LineSize = 1024;  // a formatted line, as wvsprintfA writes at most

// Writes the text as it is; a failure (a closed pipe, say) is ignored:
// there is nowhere left to report it.
void writeText(HANDLE handle, const char* text);
// Formats with wvsprintfA (%s, %u, %-20s ...) and writes the line with its LF.
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
