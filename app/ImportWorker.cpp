#include "app/ImportWorker.h"

#include "app/BookmarksFile.h"
#include "app/FatalError.h"
#include "app/ProcessState.h"
#include "app/ProfileImport.h"
#include "app/Resources.h"
#include "favorites/Interrupts.h"
#include "support/Errors.h"
#include "support/Messages.h"

#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include <atomic>

namespace {

// Set before the worker starts, cleared once it has done with the profile
// table.
std::atomic<bool> readingProfiles(false);

// Shows the fatal-error message, OK only, and ends the process: the import
// is not gone back to.
[[noreturn]] void stopImport(const mirrex::BaseError& error) {
  showFatalError(error, MB_OK);
  ExitProcess(0);
}

// The end of the import on the page: Finish, the arrow again, and the text
// of what was done. The sheet may be closing by now, and then there is
// nothing left to show: these calls are not checked.
void offerFinish(HWND page) {
  PostMessageA(GetParent(page), PSM_SETWIZBUTTONS, 0, PSWIZB_FINISH);
  SetClassLongPtrA(page, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(arrowCursor));
}

void showImported(HWND page) {
  offerFinish(page);
  ShowWindow(GetDlgItem(page, IDC_DONE_TEXT), SW_SHOWNORMAL);
}

// A bookmarks file saved: what it holds, where it is, the button that shows
// it, and how Edge imports it.
void showSaved(HWND page, const BookmarkCounts& counts) {
  offerFinish(page);
  // Both buffers hold what wsprintfA can write at most.
  char format[1024] = "";
  char text[1024] = "";
  LoadStringA(instanceHandle, TextFileSaved, format, sizeof format);
  wsprintfA(text, format, static_cast<unsigned long>(counts.favorites),
            static_cast<unsigned long>(counts.aolOnlyLinks));
  SetDlgItemTextA(page, IDC_FILE_DONE_TEXT, text);
  SetDlgItemTextA(page, IDC_SAVED_PATH, bookmarksPath);
  for (int control : {IDC_FILE_DONE_TEXT, IDC_SAVED_PATH, IDC_SHOW_FILE, IDC_EDGE_TEXT}) {
    ShowWindow(GetDlgItem(page, control), SW_SHOWNORMAL);
  }
}

}  // namespace

void StartImportWorker(HWND page) {
  readingProfiles = true;
  HANDLE thread = CreateThread(nullptr, 0, ImportWorker, page, 0, nullptr);
  if (thread == nullptr) {
    DWORD code = GetLastError();
    readingProfiles = false;
    throw mirrex::Win32Error("CreateThread", code);
  }
  CloseHandle(thread);
}

DWORD WINAPI ImportWorker(LPVOID parameter) {
  HWND page = static_cast<HWND>(parameter);
  BookmarkCounts saved;
  try {
    HWND progressBar = GetDlgItem(page, IDC_PROGRESS);
    SendMessageA(progressBar, PBM_SETPOS, 0, 0);
    if (toBookmarksFile) {
      saved = saveBookmarksFile(profileTable, destinationName, bookmarksPath, replaceBookmarksFile, progressBar);
    } else {
      importSelectedProfiles(profileTable, destinationName, favoritesPath, progressBar);
    }
  } catch (const mirrex::BaseError& error) {
    stopImport(error);
  }
  readingProfiles = false;
  if (toBookmarksFile) {
    showSaved(page, saved);
  } else {
    showImported(page);
  }
  return 0;
}

// A bookmarks file being written goes with the process, and any old file
// of its name stays as it was.
void exitIfImportRunning() {
  if (readingProfiles) exitRemovingFiles(0);
}
