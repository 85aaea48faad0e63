// Local memory and the system clock.
#include "Faults.h"
#include "Handles.h"

#include <atomic>
#include <cstdlib>
#include <ctime>
#include <malloc.h>

namespace {

// Counted by the usable size of each block, which is what was asked for
// under AddressSanitizer and a little more without it. Signed, so that a
// block of plain malloc given to LocalFree cannot wrap the count.
std::atomic<long long> localInUse{0};
std::atomic<long long> localPeak{0};

void count(void* memory, long long sign) {
  long long now = localInUse += sign * static_cast<long long>(malloc_usable_size(memory));
  long long peak = localPeak.load();
  while (now > peak && !localPeak.compare_exchange_weak(peak, now)) {
  }
}

}  // namespace

HLOCAL LocalAlloc(UINT flags, SIZE_T bytes) {
  if (standin::faultDue(standin::Call::LocalAlloc)) return standin::fail(standin::faultError(), HLOCAL{nullptr});
  SIZE_T size = bytes == 0 ? 1 : bytes;
  void* memory = (flags & LMEM_ZEROINIT) ? std::calloc(1, size) : std::malloc(size);
  if (memory == nullptr) return standin::fail(ERROR_NOT_ENOUGH_MEMORY, HLOCAL{nullptr});
  count(memory, 1);
  return memory;
}

HLOCAL LocalFree(HLOCAL memory) {
  if (memory != nullptr) count(memory, -1);
  std::free(memory);
  return nullptr;
}

namespace standin {

SIZE_T localMemoryInUse() { return static_cast<SIZE_T>(localInUse.load() < 0 ? 0 : localInUse.load()); }
SIZE_T localMemoryPeak() { return static_cast<SIZE_T>(localPeak.load() < 0 ? 0 : localPeak.load()); }
void resetLocalMemoryPeak() { localPeak = localInUse.load(); }

}  // namespace standin

void GetSystemTimeAsFileTime(LPFILETIME time) {
  struct timespec now;
  clock_gettime(CLOCK_REALTIME, &now);
  std::uint64_t value = 116444736000000000ull + static_cast<std::uint64_t>(now.tv_sec) * 10000000ull +
                        static_cast<std::uint64_t>(now.tv_nsec) / 100;
  time->dwLowDateTime = static_cast<DWORD>(value);
  time->dwHighDateTime = static_cast<DWORD>(value >> 32);
}
