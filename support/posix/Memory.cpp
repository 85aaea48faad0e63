// Local memory and the system clock.
#include "Faults.h"
#include "Handles.h"

#include <cstdlib>
#include <ctime>

HLOCAL LocalAlloc(UINT flags, SIZE_T bytes) {
  if (standin::faultDue(standin::Call::LocalAlloc)) return standin::fail(standin::faultError(), HLOCAL{nullptr});
  SIZE_T size = bytes == 0 ? 1 : bytes;
  void* memory = (flags & LMEM_ZEROINIT) ? std::calloc(1, size) : std::malloc(size);
  if (memory == nullptr) SetLastError(ERROR_NOT_ENOUGH_MEMORY);
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
