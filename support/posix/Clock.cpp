// GetTickCount from the monotonic clock.
#include <windows.h>

#include <ctime>

DWORD GetTickCount(void) {
  struct timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  // The low 32 bits of the milliseconds, as Windows counts them.
  return static_cast<DWORD>(static_cast<unsigned long long>(now.tv_sec) * 1000ull +
                            static_cast<unsigned long long>(now.tv_nsec) / 1000000ull);
}
