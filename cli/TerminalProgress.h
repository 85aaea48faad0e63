// Progress on standard error while a long run reads its profiles, shown
// only when standard error is a console, a few times a second, and erased
// before anything else is written there.
#pragma once

#include "favorites/ForwardingSink.h"

#include <windows.h>

class TerminalProgress {
 public:
  // `total` records are to come.
  explicit TerminalProgress(DWORD total);
  ~TerminalProgress() { erase(); }
  TerminalProgress(const TerminalProgress&) = delete;
  TerminalProgress& operator=(const TerminalProgress&) = delete;

  // One record read.
  void step();
  // Removes the progress line, if one is shown.
  void erase();

 private:
  bool console_;
  bool shown_;
  DWORD done_;
  DWORD total_;
  ULONGLONG nextDraw_;  // FILETIME units
};

// Forwards every call to `next`, and counts advance() in `progress`.
class ProgressSink : public ForwardingSink {
 public:
  ProgressSink(FavoritesSink& next, TerminalProgress& progress) : ForwardingSink(next), progress_(progress) {}

  void advance() override {
    progress_.step();
    next_.advance();
  }

 private:
  TerminalProgress& progress_;
};
