// The native build's ProgressBar: a bar of the POSIX stand-in.
#include "tests/support/ProgressBar.h"

#include "standin.h"

ProgressBar::ProgressBar() : window_(standin::createProgressBar()) {
  SendMessageA(window_, PBM_SETRANGE32, 0, Maximum);
  SendMessageA(window_, PBM_SETSTEP, 1, 0);
}

ProgressBar::~ProgressBar() { standin::destroyProgressBar(window_); }
