// GetTickCount from the monotonic clock, and the hold that lets a test
// decide what it answers.
#include "standin.h"

#include <atomic>
#include <ctime>

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

DWORD GetTickCount(void) {
  ++reads;
  if (held) return heldTicks;
  struct timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  // The low 32 bits of the milliseconds, as Windows counts them.
  return static_cast<DWORD>(static_cast<unsigned long long>(now.tv_sec) * 1000ull +
                            static_cast<unsigned long long>(now.tv_nsec) / 1000000ull);
}
