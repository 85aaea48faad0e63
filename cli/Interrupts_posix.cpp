#include "cli/Interrupts.h"

#include "cli/UserPath.h"
#include "favorites/Texts.h"

#include <csignal>
#include <unistd.h>

namespace {

const int Signals[] = {SIGINT, SIGTERM, SIGHUP};

// Written only while the signals are blocked; read by the handler.
char removed[MaxRemovedOnInterrupt][UserPathSize];
volatile sig_atomic_t taken[MaxRemovedOnInterrupt];
bool handling = false;

// Only calls that are safe in a signal handler: unlink and _exit.
void exitAfterRemovingFiles(int signal) {
  for (int slot = 0; slot < MaxRemovedOnInterrupt; ++slot) {
    if (taken[slot]) unlink(removed[slot]);
  }
  _exit(128 + signal);
}

sigset_t signalSet() {
  sigset_t set;
  sigemptyset(&set);
  for (int signal : Signals) sigaddset(&set, signal);
  return set;
}

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
    if (copyText(path, removed[slot], UserPathSize) == UserPathSize) return -1;
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
