#include "app/WizardPageProc.h"

#include "aol/ProfileDiscovery.h"
#include "app/EndWizard.h"
#include "app/FatalError.h"
#include "app/FolderBrowser.h"
#include "app/ImportWorker.h"
#include "app/ProcessState.h"
#include "app/ProfileSelection.h"
#include "app/Resources.h"
#include "favorites/Paths.h"
#include "support/Errors.h"
#include "support/LocalMemory.h"
#include "support/Messages.h"

#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

namespace {

// The folder below Favorites that the destination page proposes.
const char DefaultDestinationName[] = "AOL Favorite Places";

void setItemText(HWND page, int control, const char* text) {
  if (!SetDlgItemTextA(page, control, text)) throw mirrex::Win32Error("SetDlgItemText");
}

// Reads an edit into a MAX_PATH buffer of the process state; a longer text
// is cut, and always terminated.
void readItemText(HWND page, int control, char* text) {
  text[0] = '\0';
  GetDlgItemTextA(page, control, text, MAX_PATH);
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
    case IDD_IMPORTING:
      // The hourglass shows over every window of the dialog class, the
      // whole wizard, until the worker puts the arrow back. Only a cursor
      // is at stake, so a failure is not looked at.
      SetClassLongPtrA(page, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(waitCursor));
      break;
  }
}

// Browse on the destination page: the chosen folder relative to the
// Favorites folder, empty for the Favorites folder itself. The browser is
// rooted there; a folder reached some other way, not below it, is not
// taken.
void browseDestination(HWND page) {
  char path[MAX_PATH];
  if (!browseForFolder(page, favoritesLocation, "Browse for Favorites Folder", path)) return;
  const char* relative = pathBelow(path, favoritesPath);
  if (relative != nullptr) setItemText(page, IDC_DESTINATION_NAME, relative);
}

// Browse on the directory page: the chosen folder's full path. A virtual
// folder, which has none, leaves the edit as it was.
void browseAolDirectory(HWND page) {
  char path[MAX_PATH];
  if (browseForFolder(page, nullptr, "Browse for AOL Profile Directory", path)) {
    setItemText(page, IDC_AOL_DIRECTORY, path);
  }
}

// WM_COMMAND: the Browse buttons of the two pages that have one.
INT_PTR command(HWND page, int pageId, int control) {
  if (control != IDC_BROWSE) return FALSE;
  switch (pageId) {
    case IDD_DESTINATION:
      browseDestination(page);
      return TRUE;
    case IDD_AOL_DIRECTORY:
      browseAolDirectory(page);
      return TRUE;
    default:
      return FALSE;
  }
}

// The profile page: one line a profile, "screen name (profile path)", all
// selected. A line the list cannot take has no index, and its row can never
// count as selected.
void listProfiles(HWND page) {
  HWND list = GetDlgItem(page, IDC_PROFILE_LIST);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  for (int row = 0; row < profileTable.profileCount; ++row) {
    ProfileEntry& entry = profileTable.entries[row];
    // wsprintfA writes 1024 characters at most, the terminator included.
    char line[1024];
    wsprintfA(line, "%s (%s)", entry.screenName, entry.profilePath);
    LRESULT index = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
    entry.listIndex = index >= 0 ? static_cast<int>(index) : LB_ERR;
  }
  SendMessageA(list, LB_SELITEMRANGE, TRUE, MAKELPARAM(0, profileTable.profileCount - 1));
}

// Leaving the profile page: the rows of the selected lines. Throws
// mirrex::Win32Error "LocalAlloc" when the selection cannot be read for
// lack of memory.
void recordSelection(HWND page) {
  int rows = profileTable.profileCount;
  LocalPointer<int> lines = allocateLocal<int>(static_cast<SIZE_T>(rows));
  LRESULT count =
      SendMessageA(GetDlgItem(page, IDC_PROFILE_LIST), LB_GETSELITEMS, rows, reinterpret_cast<LPARAM>(lines.get()));
  selectListedProfiles(profileTable, lines.get(), static_cast<int>(count));
}

// Leaving the directory page, by Next or Back: discovery in the directory
// the edit names. The page stays (TRUE) while no profile is found; a
// negative result has had its message from discovery already.
LRESULT discoverInDirectory(HWND page) {
  readItemText(page, IDC_AOL_DIRECTORY, aolDirectory);
  int found = discoverProfiles(aolDirectory, profileTable);
  if (found == 0) ShowMessage(MB_OK, MessageNoProfiles);
  return found > 0 ? 0 : TRUE;
}

// The importing page: the bar's range is the summed item count, with 32-bit
// bounds so that a total above 65535 is not cut; then the worker starts.
void startImport(HWND page) {
  HWND progressBar = GetDlgItem(page, IDC_PROGRESS);
  SendMessageA(progressBar, PBM_SETRANGE32, 0, profileTable.totalItemCount);
  SendMessageA(progressBar, PBM_SETSTEP, 1, 0);
  setWizardButtons(page, PSWIZB_DISABLEDFINISH);
  StartImportWorker(page);
}

// PSN_SETACTIVE: the buttons each page offers. The importing page offers
// neither Back nor Next, and Finish only once the import is done.
LRESULT pageShown(HWND page, int pageId) {
  switch (pageId) {
    case IDD_INTRODUCTION:
      setWizardButtons(page, PSWIZB_NEXT);
      break;
    case IDD_PROFILES:
      listProfiles(page);
      setWizardButtons(page, PSWIZB_BACK | PSWIZB_NEXT);
      break;
    case IDD_IMPORTING:
      startImport(page);
      break;
    default:
      setWizardButtons(page, PSWIZB_BACK | PSWIZB_NEXT);
      break;
  }
  return 0;
}

// PSN_KILLACTIVE, sent before every change of page: 0 lets the page go.
LRESULT pageLeft(HWND page, int pageId) {
  switch (pageId) {
    case IDD_AOL_DIRECTORY:
      return discoverInDirectory(page);
    case IDD_PROFILES:
      recordSelection(page);
      return 0;
    case IDD_DESTINATION:
      readItemText(page, IDC_DESTINATION_NAME, destinationName);
      return 0;
    default:
      return 0;
  }
}

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
    case PSN_RESET:  // the sheet closes by Cancel or its close box
      exitIfImportRunning();
      return FALSE;
    default:
      return FALSE;
  }
}

INT_PTR handle(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    LPARAM pageId = reinterpret_cast<const PROPSHEETPAGEA*>(lParam)->lParam;
    SetWindowLongPtrA(page, DWLP_USER, pageId);
    initPage(page, static_cast<int>(pageId));
    return TRUE;
  }
  int pageId = static_cast<int>(GetWindowLongPtrA(page, DWLP_USER));
  if (message == WM_COMMAND) return command(page, pageId, LOWORD(wParam));
  if (message == WM_NOTIFY) return notify(page, pageId, *reinterpret_cast<const NMHDR*>(lParam));
  return FALSE;
}

}  // namespace

INT_PTR CALLBACK WizardPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    return handle(page, message, wParam, lParam);
  } catch (const mirrex::BaseError& error) {
    retryRequested = offerRetry(error);
    endWizard(GetParent(page));
    return TRUE;
  }
}
