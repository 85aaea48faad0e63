// A progress control for tests that count the records a writer hands it: a
// real control of the common controls on Windows, the stand-in's bar in the
// native build. It starts at 0 with step 1 and a range far above any count
// a test reaches.
#pragma once

#include <windows.h>
#include <commctrl.h>

class ProgressBar {
public:
  static constexpr int Maximum = 1000000;

  ProgressBar();
  ~ProgressBar();
  ProgressBar(const ProgressBar&) = delete;
  ProgressBar& operator=(const ProgressBar&) = delete;

  HWND window() const { return window_; }
  int position() const { return static_cast<int>(SendMessageA(window_, PBM_GETPOS, 0, 0)); }

private:
  HWND window_;
};
