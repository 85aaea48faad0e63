#include "favorites/BarProgress.h"

#include <windows.h>
#include <commctrl.h>

BarProgress::BarProgress(HWND bar) : bar_(bar), unshown_(0), last_(bar != nullptr ? GetTickCount() : 0) {}

BarProgress::~BarProgress() {
  if (unshown_ > 0) show();
}

void BarProgress::advance() {
  if (bar_ == nullptr) return;
  ++unshown_;
  DWORD now = GetTickCount();
  // Unsigned difference: right across the counter's wrap after 49.7 days.
  if (now - last_ < Interval) return;
  last_ = now;
  show();
}

// One blocking send. The bar stops at its upper bound, and the worker puts
// it at the exact sum of item counts after the profile anyway.
void BarProgress::show() {
  SendMessageA(bar_, PBM_DELTAPOS, static_cast<WPARAM>(unshown_), 0);
  unshown_ = 0;
}
