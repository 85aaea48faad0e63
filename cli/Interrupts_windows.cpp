#include "cli/Interrupts.h"

#include "cli/UserPath.h"
#include "favorites/Texts.h"

#include <windows.h>

namespace {

// The console runs the handler on a thread of its own; the section keeps it
// from seeing a slot half written, or a file between its move and its slot
// being freed.
CRITICAL_SECTION slots;
bool handling = false;
char removed[MaxRemovedOnInterrupt][UserPathSize];
bool taken[MaxRemovedOnInterrupt];

// The export's thread may still be writing: the temporary files are open
// with delete sharing, so they go once the process has ended.
BOOL WINAPI exitAfterRemovingFiles(DWORD) {
  EnterCriticalSection(&slots);
  for (int slot = 0; slot < MaxRemovedOnInterrupt; ++slot) {
    if (taken[slot]) DeleteFileA(removed[slot]);
  }
  ExitProcess(130);
}

void handleConsoleEvents() {
  if (handling) return;
  handling = true;
  InitializeCriticalSection(&slots);
  SetConsoleCtrlHandler(exitAfterRemovingFiles, TRUE);
}

}  // namespace

InterruptsHeldBack::InterruptsHeldBack() {
  handleConsoleEvents();
  EnterCriticalSection(&slots);
}

InterruptsHeldBack::~InterruptsHeldBack() { LeaveCriticalSection(&slots); }

int removeOnInterrupt(const char* path) {
  for (int slot = 0; slot < MaxRemovedOnInterrupt; ++slot) {
    if (taken[slot]) continue;
    if (copyText(path, removed[slot], UserPathSize) == UserPathSize) return -1;
    taken[slot] = true;
    return slot;
  }
  return -1;
}

void forgetOnInterrupt(int slot) {
  if (slot >= 0) taken[slot] = false;
}
