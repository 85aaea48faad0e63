// The message boxes of a running program: reading and answering them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct MessageBoxView {
  HWND window = nullptr;
  std::string caption;
  std::string text;
  std::vector<int> buttons;  // control ids (IDOK, IDRETRY, ...) in window order
  int defaultButton = 0;     // 0 when none
  bool hasIcon = false;
};

// A top-level dialog of the process that is not a property sheet; null
// while there is none.
HWND findMessageBox(DWORD processId);

MessageBoxView readMessageBox(HWND box);

// Clicks the button `buttonId` (IDOK, IDCANCEL, IDRETRY, ...). False when
// the box has no such button.
bool answerMessageBox(HWND box, int buttonId);
