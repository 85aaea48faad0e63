#include "app/WizardPageProc.h"

#include "aol/ProfileDiscovery.h"
#include "app/EndWizard.h"
#include "app/FatalError.h"
#include "app/FolderBrowser.h"
#include "app/ImportWorker.h"
#include "app/ProcessState.h"
#include "app/ProfileSelection.h"
#include "app/Resources.h"
#include "app/SaveAsDialog.h"
#include "favorites/Paths.h"
#include "favorites/SafeOutputFile.h"
#include "support/Errors.h"
#include "support/LocalMemory.h"
#include "support/Messages.h"

#include <windows.h>

#include <commctrl.h>
#include <prsht.h>
#include <shellapi.h>
#include <shlobj.h>

namespace {

// The folder below Favorites that the destination page proposes.
const char DefaultDestinationName[] = "AOL Favorite Places";
// The bookmarks file it proposes, in the user's Documents folder.
const char DefaultBookmarksFile[] = "AOL Favorite Places.html";
// The longest bookmarks file path taken: the file written beside it must
// fit MAX_PATH too.
const int LongestBookmarksPath = static_cast<int>(MAX_PATH - 1 - TemporarySuffixLength);

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

// The destination page's controls of the choice made: the bookmarks file's
// path and Browse button, or the Browse button of the Favorites folder. The
// folder's name names the file's top folder too.
void enableChoice(HWND page, bool toFile) {
  EnableWindow(GetDlgItem(page, IDC_FILE_PATH), toFile);
  EnableWindow(GetDlgItem(page, IDC_BROWSE_FILE), toFile);
  EnableWindow(GetDlgItem(page, IDC_BROWSE), !toFile);
}

// The Favorites folder chosen, and "AOL Favorite Places.html" in the user's
// Documents folder proposed for a bookmarks file; only the file's name when
// that folder is not known or the path would not fit.
void initDestination(HWND page) {
  setItemText(page, IDC_DESTINATION_NAME, DefaultDestinationName);
  char documents[MAX_PATH] = "";
  char path[MAX_PATH];
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents)) ||
      !joinPath(documents, DefaultBookmarksFile, path, MAX_PATH)) {
    copyText(DefaultBookmarksFile, path, MAX_PATH);
  }
  setItemText(page, IDC_FILE_PATH, path);
  if (!CheckRadioButton(page, IDC_TO_FAVORITES, IDC_TO_FILE, IDC_TO_FAVORITES)) {
    throw mirrex::Win32Error("CheckRadioButton");
  }
  enableChoice(page, false);
}

// WM_INITDIALOG: the pages are created when first shown, so these texts are
// set once per run of the wizard and the user's edits survive Back and Next.
void initPage(HWND page, int pageId) {
  switch (pageId) {
    case IDD_AOL_DIRECTORY:
      setItemText(page, IDC_AOL_DIRECTORY, aolDirectory);
      break;
    case IDD_DESTINATION:
      initDestination(page);
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

// The bookmarks file's Browse button: the Save As dialog, from the path
// the edit holds.
void browseBookmarksFile(HWND page) {
  char path[MAX_PATH];
  readItemText(page, IDC_FILE_PATH, path);
  if (chooseFileToSave(page, path)) setItemText(page, IDC_FILE_PATH, path);
}

// The importing page's button: Explorer's window of the file's folder, the
// file selected. Only a window at stake: a failure to start it is not
// looked at.
void showInExplorer(HWND page) {
  // "/select," and the quoted path, below MAX_PATH, always fit.
  char arguments[MAX_PATH + 16];
  wsprintfA(arguments, "/select,\"%s\"", bookmarksPath);
  ShellExecuteA(page, "open", "explorer.exe", arguments, nullptr, SW_SHOWNORMAL);
}

// WM_COMMAND on the destination page: its Browse buttons and its choice.
INT_PTR destinationCommand(HWND page, int control) {
  switch (control) {
    case IDC_BROWSE:
      browseDestination(page);
      return TRUE;
    case IDC_BROWSE_FILE:
      browseBookmarksFile(page);
      return TRUE;
    case IDC_TO_FAVORITES:
    case IDC_TO_FILE:
      enableChoice(page, control == IDC_TO_FILE);
      return TRUE;
    default:
      return FALSE;
  }
}

// WM_COMMAND: the buttons of the pages that have one.
INT_PTR command(HWND page, int pageId, int control) {
  switch (pageId) {
    case IDD_DESTINATION:
      return destinationCommand(page, control);
    case IDD_AOL_DIRECTORY:
      if (control != IDC_BROWSE) return FALSE;
      browseAolDirectory(page);
      return TRUE;
    case IDD_IMPORTING:
      if (control != IDC_SHOW_FILE) return FALSE;
      showInExplorer(page);
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
      toBookmarksFile = IsDlgButtonChecked(page, IDC_TO_FILE) == BST_CHECKED;
      return 0;
    default:
      return 0;
  }
}

// The question before a file is replaced: owned by the wizard and titled
// as it is, with the warning icon and No as the default answer.
bool replaceAllowed(HWND page) {
  // Both buffers hold what wsprintfA can write at most.
  char format[1024] = "";
  char text[1024] = "";
  char title[256] = "";
  LoadStringA(instanceHandle, MessageReplaceFile, format, sizeof format);
  wsprintfA(text, format, bookmarksPath);
  HWND sheet = GetParent(page);
  GetWindowTextA(sheet, title, sizeof title);
  return MessageBoxA(sheet, text, title, MB_YESNO | MB_DEFBUTTON2 | MB_ICONWARNING) == IDYES;
}

// Next on the destination page for a bookmarks file: its full path, which
// must name a file, not a folder, and fit with the file written beside it;
// a file there is replaced only when the user says so. The page stays (-1)
// otherwise.
LRESULT takeBookmarksPath(HWND page) {
  char typed[MAX_PATH];
  int length = GetWindowTextLengthA(GetDlgItem(page, IDC_FILE_PATH));
  readItemText(page, IDC_FILE_PATH, typed);
  char* name = nullptr;
  DWORD fullLength = length > 0 && length < MAX_PATH ? GetFullPathNameA(typed, MAX_PATH, bookmarksPath, &name) : 0;
  bool fits = fullLength > 0 && fullLength <= static_cast<DWORD>(LongestBookmarksPath) && name != nullptr;
  DWORD attributes = fits ? GetFileAttributesA(bookmarksPath) : INVALID_FILE_ATTRIBUTES;
  if (!fits || (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)) {
    bookmarksPath[0] = '\0';
    ShowMessage(MB_OK, MessageBadFilePath, LongestBookmarksPath);
    return -1;
  }
  setItemText(page, IDC_FILE_PATH, bookmarksPath);
  replaceBookmarksFile = attributes != INVALID_FILE_ATTRIBUTES;
  if (replaceBookmarksFile && !replaceAllowed(page)) return -1;
  return 0;
}

// PSN_WIZNEXT, before the page is left by Next: 0 goes on to the next page
// in sheet order, -1 keeps the page.
LRESULT nextPressed(HWND page, int pageId) {
  if (pageId == IDD_DESTINATION && IsDlgButtonChecked(page, IDC_TO_FILE) == BST_CHECKED) {
    return takeBookmarksPath(page);
  }
  return 0;
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
    case PSN_WIZNEXT:
      return answer(page, nextPressed(page, pageId));
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
