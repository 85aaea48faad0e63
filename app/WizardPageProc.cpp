#include "app/WizardPageProc.h"

#include "app/EndWizard.h"
#include "app/FatalError.h"
#include "app/ProcessState.h"
#include "app/Resources.h"
#include "support/Errors.h"

#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

namespace {

// The folder below Favorites that the destination page proposes.
const char DefaultDestinationName[] = "AOL Favorite Places";

void setItemText(HWND page, int control, const char* text) {
  if (!SetDlgItemTextA(page, control, text)) throw mirrex::Win32Error("SetDlgItemText");
}

// Posted, not sent: the sheet applies the buttons once the notification
// that asks for them has been answered.
void setWizardButtons(HWND page, DWORD buttons) {
  if (!PostMessageA(GetParent(page), PSM_SETWIZBUTTONS, 0, buttons)) throw mirrex::Win32Error("PostMessage");
}

// WM_INITDIALOG: the pages are created when first shown, so these texts are
// set once per run of the wizard and the user's edits survive Back and Next.
void initPage(HWND page, int pageId) {
  switch (pageId) {
    case IDD_AOL_DIRECTORY:
      setItemText(page, IDC_AOL_DIRECTORY, aolDirectory);
      break;
    case IDD_DESTINATION:
      setItemText(page, IDC_DESTINATION_NAME, DefaultDestinationName);
      break;
  }
}

// PSN_SETACTIVE: the buttons each page offers. The importing page offers
// neither Back nor Next, and Finish only once the import is done.
LRESULT pageShown(HWND page, int pageId) {
  switch (pageId) {
    case IDD_INTRODUCTION:
      setWizardButtons(page, PSWIZB_NEXT);
      break;
    case IDD_IMPORTING:
      setWizardButtons(page, PSWIZB_DISABLEDFINISH);
      break;
    default:
      setWizardButtons(page, PSWIZB_BACK | PSWIZB_NEXT);
      break;
  }
  return 0;
}

// PSN_KILLACTIVE, sent before every change of page: 0 lets the page go.
LRESULT pageLeft(HWND, int) { return 0; }

// Notifications answer through the page's message result.
INT_PTR answer(HWND page, LRESULT result) {
  SetWindowLongPtrA(page, DWLP_MSGRESULT, result);
  return TRUE;
}

INT_PTR notify(HWND page, int pageId, const NMHDR& notification) {
  switch (notification.code) {
    case PSN_SETACTIVE:
      return answer(page, pageShown(page, pageId));
    case PSN_KILLACTIVE:
      return answer(page, pageLeft(page, pageId));
    case PSN_WIZNEXT:    // on to the next page in sheet order
    case PSN_WIZFINISH:  // the sheet closes
      return answer(page, 0);
    default:
      return FALSE;
  }
}

INT_PTR handle(HWND page, UINT message, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    LPARAM pageId = reinterpret_cast<const PROPSHEETPAGEA*>(lParam)->lParam;
    SetWindowLongPtrA(page, DWLP_USER, pageId);
    initPage(page, static_cast<int>(pageId));
    return TRUE;
  }
  int pageId = static_cast<int>(GetWindowLongPtrA(page, DWLP_USER));
  if (message == WM_NOTIFY) return notify(page, pageId, *reinterpret_cast<const NMHDR*>(lParam));
  return FALSE;
}

}  // namespace

INT_PTR CALLBACK WizardPageProc(HWND page, UINT message, WPARAM, LPARAM lParam) {
  try {
    return handle(page, message, lParam);
  } catch (const mirrex::BaseError& error) {
    retryRequested = offerRetry(error);
    endWizard(GetParent(page));
    return TRUE;
  }
}
