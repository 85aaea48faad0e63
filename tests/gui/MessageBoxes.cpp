#include "tests/gui/MessageBoxes.h"

#include "tests/gui/Controls.h"

HWND findMessageBox(DWORD processId) {
  for (HWND dialog : topLevelDialogs(processId)) {
    if (childrenOfClass(dialog, "SysTabControl32").empty()) return dialog;
  }
  return nullptr;
}

MessageBoxView readMessageBox(HWND box) {
  MessageBoxView view;
  view.window = box;
  view.caption = windowText(box);
  for (HWND label : childrenOfClass(box, "Static")) {
    if ((GetWindowLongA(label, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
      view.hasIcon = true;
    } else if (view.text.empty()) {
      view.text = windowText(label);
    }
  }
  // The default button is drawn as such by its style (DM_GETDEFID does not
  // follow MB_DEFBUTTON2 under Wine).
  for (HWND button : childrenOfClass(box, "Button")) {
    view.buttons.push_back(GetDlgCtrlID(button));
    if ((GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
      view.defaultButton = GetDlgCtrlID(button);
  }
  return view;
}

bool answerMessageBox(HWND box, int buttonId) {
  HWND button = GetDlgItem(box, buttonId);
  if (button == nullptr) return false;
  return PostMessageA(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(button)) != 0;
}
