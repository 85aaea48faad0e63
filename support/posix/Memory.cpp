// Local memory and the system clock.
#include "Handles.h"

#include <cstdlib>
#include <ctime>

HLOCAL LocalAlloc(UINT flags, SIZE_T bytes) {
  SIZE_T size = bytes == 0 ? 1 : bytes;
  void* memory = (flags & LMEM_ZEROINIT) ? std::calloc(1, size) : std::malloc(size);
  if (memory == nullptr) return posix::fail(ERROR_NOT_ENOUGH_MEMORY, HLOCAL{nullptr});
  return memory;
}

HLOCAL LocalFree(HLOCAL memory) {
  std::free(memory);
  return nullptr;
}

void GetSystemTimeAsFileTime(LPFILETIME time) {
  struct timespec now;
  clock_gettime(CLOCK_REALTIME, &now);
  std::uint64_t value = 116444736000000000ull + static_cast<std::uint64_t>(now.tv_sec) * 10000000ull +
                        static_cast<std::uint64_t>(now.tv_nsec) / 100;
  time->dwLowDateTime = static_cast<DWORD>(value);
  time->dwHighDateTime = static_cast<DWORD>(value >> 32);
}
