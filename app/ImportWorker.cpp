#include "app/ImportWorker.h"

#include "app/FatalError.h"
#include "app/ProcessState.h"
#include "app/ProfileImport.h"
#include "app/Resources.h"
#include "support/Errors.h"

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

// The end of the import on the page. The sheet may be closing by now, and
// then there is nothing left to show: these calls are not checked.
void showDone(HWND page) {
  PostMessageA(GetParent(page), PSM_SETWIZBUTTONS, 0, PSWIZB_FINISH);
  SetClassLongPtrA(page, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(arrowCursor));
  ShowWindow(GetDlgItem(page, IDC_DONE_TEXT), SW_SHOWNORMAL);
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
  try {
    HWND progressBar = GetDlgItem(page, IDC_PROGRESS);
    SendMessageA(progressBar, PBM_SETPOS, 0, 0);
    importSelectedProfiles(profileTable, destinationName, favoritesPath, progressBar);
  } catch (const mirrex::BaseError& error) {
    stopImport(error);
  }
  readingProfiles = false;
  showDone(page);
  return 0;
}

void exitIfImportRunning() {
  if (readingProfiles) ExitProcess(0);
}
