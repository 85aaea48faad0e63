// Records read, shown on a progress bar: counted one by one and handed to
// the bar with one PBM_DELTAPOS at a time, once a frame's time has passed
// since the last update and when the object ends, so that all the records
// counted are on the bar when it goes. Both writers of the wizard's import
// move its bar through one.
#pragma once

#include <windows.h>

class BarProgress {
public:
  // `bar` may be null: nothing is shown and no clock is read.
  explicit BarProgress(HWND bar);
  // Moves the bar by the records counted since its last update.
  ~BarProgress();
  BarProgress(const BarProgress&) = delete;
  BarProgress& operator=(const BarProgress&) = delete;

  // Counts one record, and moves the bar when Interval has passed since its
  // last update.
  void advance();

  // Milliseconds between two updates of the bar: a frame at 50 Hz. The bar
  // then moves as smoothly as the screen shows it, and the worker waits for
  // the user-interface thread 50 times a second instead of for every record
  // (under Wine each blocking send costs more than writing a shortcut
  // file).
  static const DWORD Interval = 20;

private:
  void show();

  HWND bar_;
  // Records counted and not yet on the bar, and when the bar was last
  // moved (GetTickCount; read only with a bar).
  DWORD unshown_;
  DWORD last_;
};
