// The hold on GetTickCount that lets a test decide what it answers, and the
// count of its calls.
#include "Faults.h"

#include <atomic>

namespace {

std::atomic<bool> held{false};
std::atomic<DWORD> heldTicks{0};
std::atomic<unsigned> reads{0};

}  // namespace

namespace standin {

void holdTickCount(DWORD ticks) {
  heldTicks = ticks;
  held = true;
}

void releaseTickCount() { held = false; }

unsigned tickCountReads() { return reads.load(); }

}  // namespace standin

extern "C" DWORD __wrap_GetTickCount(void) {
  ++reads;
  if (held) return heldTicks;
  return __real_GetTickCount();
}
