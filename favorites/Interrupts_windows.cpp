#include "favorites/Interrupts.h"

#include "favorites/SafeOutputFile.h"
#include "favorites/Texts.h"

#include <windows.h>

namespace {

// The console runs its handler on a thread of its own, and the wizard's
// Cancel comes on the user-interface thread while the worker writes; the
// section keeps either from seeing a slot half written, or a file between
// its move and its slot being freed. It is made before WinMain or main, so
// that an interrupt can take it whenever it comes.
CRITICAL_SECTION slots;
struct SlotsSection {
  SlotsSection() { InitializeCriticalSection(&slots); }
} slotsSection;

bool handling = false;
char removed[MaxRemovedOnInterrupt][OutputPathSize];
bool taken[MaxRemovedOnInterrupt];

BOOL WINAPI exitOnConsoleEvent(DWORD) { exitRemovingFiles(130); }

void handleConsoleEvents() {
  if (handling) return;
  handling = true;
  SetConsoleCtrlHandler(exitOnConsoleEvent, TRUE);
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
    if (copyText(path, removed[slot], OutputPathSize) == OutputPathSize) return -1;
    taken[slot] = true;
    return slot;
  }
  return -1;
}

void forgetOnInterrupt(int slot) {
  if (slot >= 0) taken[slot] = false;
}

// The thread writing may still hold the files open: they are open with
// delete sharing, so they go once the process has ended. The section is
// never left, so that no file is moved into place after its removal.
void exitRemovingFiles(UINT exitCode) {
  EnterCriticalSection(&slots);
  for (int slot = 0; slot < MaxRemovedOnInterrupt; ++slot) {
    if (taken[slot]) DeleteFileA(removed[slot]);
  }
  ExitProcess(exitCode);
}
