// A page that ends its wizard after a fatal error makes PropertySheetA
// return, also under Wine, whose property sheet EndDialog only hides.
#include "app/EndWizard.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <prsht.h>

namespace {

// When a page ends the wizard: while it is being shown, or while it is
// being left for the next page.
UINT endOn = 0;

INT_PTR CALLBACK endingPage(HWND page, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_NOTIFY) {
    UINT code = reinterpret_cast<const NMHDR*>(lParam)->code;
    if (code == PSN_SETACTIVE && endOn == PSN_KILLACTIVE) PostMessageA(GetParent(page), PSM_PRESSBUTTON, PSBTN_NEXT, 0);
    if (code == endOn) {
      endWizard(GetParent(page));
      SetWindowLongPtrA(page, DWLP_MSGRESULT, 0);
      return TRUE;
    }
  }
  return message == WM_INITDIALOG;
}

// Runs a two-page wizard of empty pages; true when the property sheet
// returned. A wizard that never ends is ended by CTest's time-out, which
// fails the test.
bool wizardEnds() {
  struct {
    DLGTEMPLATE dialog;
    WORD menu, windowClass, title;
  } empty = {};
  empty.dialog.style = WS_CHILD | WS_CAPTION;
  empty.dialog.cx = 200;
  empty.dialog.cy = 100;
  PROPSHEETPAGEA_V1 pages[2] = {};
  for (PROPSHEETPAGEA_V1& page : pages) {
    page.dwSize = sizeof page;
    page.dwFlags = PSP_DLGINDIRECT;
    page.pResource = &empty.dialog;
    page.pfnDlgProc = endingPage;
  }
  PROPSHEETHEADERA sheet = {};
  sheet.dwSize = PROPSHEETHEADERA_V1_SIZE;
  sheet.dwFlags = PSH_WIZARD | PSH_PROPSHEETPAGE;
  sheet.nPages = 2;
  sheet.ppsp = reinterpret_cast<LPCPROPSHEETPAGEA>(pages);
  INT_PTR result = PropertySheetA(&sheet);
  EXPECT_NE(result, -1) << "PropertySheet: error " << GetLastError();
  return result != -1;
}

TEST(EndWizardTest, EndsTheWizardWhilePageIsShown) {
  endOn = PSN_SETACTIVE;
  EXPECT_TRUE(wizardEnds());
}

TEST(EndWizardTest, EndsTheWizardWhilePageIsLeft) {
  endOn = PSN_KILLACTIVE;
  EXPECT_TRUE(wizardEnds());
}

}  // namespace
