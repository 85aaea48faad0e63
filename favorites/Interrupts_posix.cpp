#include "favorites/Interrupts.h"

#include "favorites/SafeOutputFile.h"
#include "favorites/Texts.h"

#include <csignal>
#include <unistd.h>

namespace {

const int Signals[] = {SIGINT, SIGTERM, SIGHUP};

// Written only while the signals are blocked; read by the handler.
char removed[MaxRemovedOnInterrupt][OutputPathSize];
volatile sig_atomic_t taken[MaxRemovedOnInterrupt];
bool handling = false;

sigset_t signalSet() {
  sigset_t set;
  sigemptyset(&set);
  for (int signal : Signals) sigaddset(&set, signal);
  return set;
}

void exitAfterRemovingFiles(int signal) { exitRemovingFiles(128 + static_cast<UINT>(signal)); }

void handleSignals() {
  if (handling) return;
  handling = true;
  struct sigaction action = {};
  action.sa_handler = exitAfterRemovingFiles;
  action.sa_mask = signalSet();
  for (int signal : Signals) {
    struct sigaction before;
    if (sigaction(signal, nullptr, &before) == 0 && before.sa_handler == SIG_IGN) continue;
    sigaction(signal, &action, nullptr);
  }
}

}  // namespace

InterruptsHeldBack::InterruptsHeldBack() {
  sigset_t set = signalSet();
  sigprocmask(SIG_BLOCK, &set, nullptr);
}

InterruptsHeldBack::~InterruptsHeldBack() {
  sigset_t set = signalSet();
  sigprocmask(SIG_UNBLOCK, &set, nullptr);
}

int removeOnInterrupt(const char* path) {
  handleSignals();
  for (int slot = 0; slot < MaxRemovedOnInterrupt; ++slot) {
    if (taken[slot]) continue;
    if (copyText(path, removed[slot], OutputPathSize) == OutputPathSize) return -1;
    for (char* c = removed[slot]; *c != '\0'; ++c) {
      if (*c == '\\') *c = '/';
    }
    taken[slot] = 1;
    return slot;
  }
  return -1;
}

void forgetOnInterrupt(int slot) {
  if (slot >= 0) taken[slot] = 0;
}

// Only calls that are safe in a signal handler: sigprocmask, unlink and
// _exit.
void exitRemovingFiles(UINT exitCode) {
  sigset_t set = signalSet();
  sigprocmask(SIG_BLOCK, &set, nullptr);
  for (int slot = 0; slot < MaxRemovedOnInterrupt; ++slot) {
    if (taken[slot]) unlink(removed[slot]);
  }
  _exit(static_cast<int>(exitCode));
}
