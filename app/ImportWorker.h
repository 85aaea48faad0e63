// The import worker: the thread that imports the selected profiles while
// the importing page shows its progress.
#pragma once

#include <windows.h>

// Starts the worker for the importing page `page`, once its progress bar
// has its range and step. Nobody waits for the worker. Throws
// mirrex::Win32Error "CreateThread" when it cannot be started.
void StartImportWorker(HWND page);

// The worker's thread procedure, with the importing page: imports the
// profiles selected in the process state into the Favorites folder, or
// saves them as the bookmarks file it names, then offers Finish, puts the
// arrow cursor back and shows the completion text. A mirrex::BaseError on
// the way is shown with OK only and ends the process with exit code 0;
// what was written below Favorites stays, a bookmarks file is left as it
// was.
DWORD WINAPI ImportWorker(LPVOID page);

// For the wizard closing: while the worker may still read the profile
// table, ends the process at once with exit code 0, leaving what the worker
// has written below Favorites and no part of a bookmarks file, so that
// WinMain never releases the table under it. Returns when there is no
// worker or it has done with the table.
void exitIfImportRunning();
