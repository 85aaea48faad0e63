// The Windows build's ProgressBar: a progress control in a message-only
// window, which answers messages like any other but needs no display.
#include "tests/support/ProgressBar.h"

#include <gtest/gtest.h>

ProgressBar::ProgressBar() : window_(nullptr) {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS};
  if (!InitCommonControlsEx(&controls)) ADD_FAILURE() << "InitCommonControlsEx failed";
  window_ = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD, 0, 0, 200, 20, HWND_MESSAGE, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
  if (window_ == nullptr) {
    ADD_FAILURE() << "CreateWindowEx of a progress bar failed: error " << GetLastError();
    return;
  }
  SendMessageA(window_, PBM_SETRANGE32, 0, Maximum);
  SendMessageA(window_, PBM_SETSTEP, 1, 0);
}

ProgressBar::~ProgressBar() {
  if (window_ != nullptr) DestroyWindow(window_);
}
