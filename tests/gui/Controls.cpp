#include "tests/gui/Controls.h"

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
