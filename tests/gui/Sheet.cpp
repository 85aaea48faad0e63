#include "tests/gui/Sheet.h"

#include "tests/gui/Controls.h"

#include <commctrl.h>

HWND findSheet(DWORD processId) {
  for (HWND dialog : topLevelDialogs(processId)) {
    if (!childrenOfClass(dialog, "SysTabControl32").empty()) return dialog;
  }
  return nullptr;
}

int pageCount(HWND sheet) {
  HWND tabs = reinterpret_cast<HWND>(sendTo(sheet, PSM_GETTABCONTROL, 0, 0));
  return tabs == nullptr ? 0 : static_cast<int>(sendTo(tabs, TCM_GETITEMCOUNT, 0, 0));
}

HWND currentPage(HWND sheet) { return reinterpret_cast<HWND>(sendTo(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)); }

int currentPageId(HWND sheet) {
  HWND page = currentPage(sheet);
  if (page == nullptr) return 0;
  LRESULT index = sendTo(sheet, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(page), 0);
  return index < 0 ? 0 : static_cast<int>(sendTo(sheet, PSM_INDEXTOID, index, 0));
}

bool pressButton(HWND sheet, int button) { return PostMessageA(sheet, PSM_PRESSBUTTON, button, 0) != 0; }

bool buttonEnabled(HWND sheet, int buttonId) {
  HWND button = GetDlgItem(sheet, buttonId);
  return button != nullptr && IsWindowVisible(button) && IsWindowEnabled(button);
}
