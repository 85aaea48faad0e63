#include "tests/gui/Controls.h"

#include <commctrl.h>

LRESULT sendTo(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result)) return 0;
  return static_cast<LRESULT>(result);
}

namespace {

struct DialogSearch {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK collectDialog(HWND window, LPARAM lParam) {
  auto& search = *reinterpret_cast<DialogSearch*>(lParam);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  char className[16] = "";
  GetClassNameA(window, className, sizeof className);
  if (processId == search.processId && IsWindowVisible(window) && lstrcmpA(className, "#32770") == 0) {
    search.found.push_back(window);
  }
  return TRUE;
}

}  // namespace

std::vector<HWND> topLevelDialogs(DWORD processId) {
  DialogSearch search{processId, {}};
  EnumWindows(collectDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<HWND> childrenOfClass(HWND window, const char* className) {
  std::vector<HWND> children;
  for (HWND child = FindWindowExA(window, nullptr, className, nullptr); child != nullptr;
       child = FindWindowExA(window, child, className, nullptr)) {
    children.push_back(child);
  }
  return children;
}

std::string windowText(HWND window) {
  LRESULT length = sendTo(window, WM_GETTEXTLENGTH, 0, 0);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  LRESULT copied = sendTo(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

std::string itemText(HWND dialog, int controlId) {
  HWND control = GetDlgItem(dialog, controlId);
  return control == nullptr ? std::string() : windowText(control);
}

bool setItemText(HWND dialog, int controlId, const std::string& text) {
  HWND control = GetDlgItem(dialog, controlId);
  return control != nullptr && sendTo(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())) == TRUE;
}

// A list box of another process answers LB_GETTEXT with the text as the
// control keeps it, in UTF-16, also to an "A" message under Wine: the text
// is asked for as such and converted here.
bool clickButton(HWND dialog, int controlId) {
  HWND button = GetDlgItem(dialog, controlId);
  if (button == nullptr) return false;
  sendTo(button, BM_CLICK, 0, 0);
  return true;
}

bool isChecked(HWND dialog, int controlId) {
  return sendTo(GetDlgItem(dialog, controlId), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::vector<std::string> listLines(HWND list) {
  std::vector<std::string> lines;
  LRESULT count = sendTo(list, LB_GETCOUNT, 0, 0);
  for (LRESULT line = 0; line < count; ++line) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(list, LB_GETTEXTLEN, line, 0, SMTO_ABORTIFHUNG, 5000, &length) ||
        static_cast<LRESULT>(length) == LB_ERR) {
      length = 0;
    }
    std::wstring wide(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(list, LB_GETTEXT, line, reinterpret_cast<LPARAM>(&wide[0]), SMTO_ABORTIFHUNG, 5000,
                             &copied) ||
        copied > length) {
      copied = 0;
    }
    char text[1024] = "";
    int size = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(copied), text, sizeof text, nullptr,
                                   nullptr);
    lines.push_back(std::string(text, size > 0 ? size : 0));
  }
  return lines;
}

std::vector<bool> listSelection(HWND list) {
  std::vector<bool> selected;
  LRESULT count = sendTo(list, LB_GETCOUNT, 0, 0);
  for (LRESULT line = 0; line < count; ++line) selected.push_back(sendTo(list, LB_GETSEL, line, 0) > 0);
  return selected;
}

bool selectListLine(HWND list, int line, bool selected) {
  // LB_SETSEL answers 0 when done, and LB_ERR, as sendTo does on a time-out,
  // never means done: look at the line itself.
  sendTo(list, LB_SETSEL, selected ? TRUE : FALSE, line);
  return (sendTo(list, LB_GETSEL, line, 0) > 0) == selected;
}

int progressPosition(HWND bar) { return static_cast<int>(sendTo(bar, PBM_GETPOS, 0, 0)); }
int progressLow(HWND bar) { return static_cast<int>(sendTo(bar, PBM_GETRANGE, TRUE, 0)); }
int progressHigh(HWND bar) { return static_cast<int>(sendTo(bar, PBM_GETRANGE, FALSE, 0)); }
