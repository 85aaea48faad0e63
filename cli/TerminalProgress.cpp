#include "cli/TerminalProgress.h"

#include "cli/Console.h"

namespace {

const ULONGLONG Second = 10000000;       // FILETIME units
const ULONGLONG FirstDraw = Second / 2;  // a run that is done sooner shows nothing
const ULONGLONG Redraw = Second / 5;
const DWORD StepsBetweenClockReads = 256;

ULONGLONG now() {
  FILETIME time;
  GetSystemTimeAsFileTime(&time);
  return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

bool stderrIsConsole() {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) != FALSE;
}

// Wide enough for any line step() draws.
const char Blank[] = "\r                                                            \r";

}  // namespace

TerminalProgress::TerminalProgress(DWORD total)
    : console_(stderrIsConsole()), shown_(false), done_(0), total_(total), nextDraw_(0) {
  if (console_) nextDraw_ = now() + FirstDraw;
}

void TerminalProgress::step() {
  ++done_;
  if (!console_ || done_ % StepsBetweenClockReads != 0) return;
  ULONGLONG time = now();
  if (time < nextDraw_) return;
  nextDraw_ = time + Redraw;
  char line[LineSize];
  // A damaged profile can hold more records than its count says.
  DWORD percent = total_ == 0 || done_ >= total_ ? 100 : static_cast<DWORD>(ULONGLONG{done_} * 100 / total_);
  wsprintfA(line, "\rplacemove-cli: %u of %u records (%u%%)", static_cast<unsigned>(done_),
            static_cast<unsigned>(total_), static_cast<unsigned>(percent));
  writeText(GetStdHandle(STD_ERROR_HANDLE), line);
  shown_ = true;
}

void TerminalProgress::erase() {
  if (!shown_) return;
  writeText(GetStdHandle(STD_ERROR_HANDLE), Blank);
  shown_ = false;
}
