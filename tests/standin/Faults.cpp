#include "Faults.h"

#include <atomic>
#include <malloc.h>
#include <mutex>

namespace standin {
namespace {

struct Fault {
  Call call;
  unsigned skip;
  DWORD error;
  bool pending;
};

// A fixed table: the allocation operators reach faultDue() through
// LocalAlloc, so keeping faults must not allocate.
const int MaxFaults = 16;
std::mutex faultsLock;
Fault faults[MaxFaults];
thread_local DWORD lastFaultError = 0;

}  // namespace

void injectFault(Call call, unsigned skip, DWORD error) {
  std::lock_guard<std::mutex> guard(faultsLock);
  for (Fault& fault : faults) {
    if (!fault.pending) {
      fault = Fault{call, skip, error, true};
      return;
    }
  }
}

void clearFaults() {
  std::lock_guard<std::mutex> guard(faultsLock);
  for (Fault& fault : faults) fault.pending = false;
}

bool faultDue(Call call) {
  std::lock_guard<std::mutex> guard(faultsLock);
  for (Fault& fault : faults) {
    if (!fault.pending || fault.call != call) continue;
    if (fault.skip > 0) {
      --fault.skip;
      return false;
    }
    lastFaultError = fault.error;
    fault.pending = false;
    return true;
  }
  return false;
}

DWORD faultError() { return lastFaultError; }

}  // namespace standin

// Each wrapper fails the call when a fault is due, as the call itself would
// fail, and otherwise calls the platform layer's own; the handles opened and
// closed, and the local memory handed out and taken back, are counted here.
namespace {

std::atomic<long long> openHandles{0};

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

HANDLE opened(HANDLE handle) {
  if (handle != INVALID_HANDLE_VALUE) ++openHandles;
  return handle;
}

}  // namespace

using standin::Call;
using standin::fail;
using standin::faultDue;
using standin::faultError;

namespace standin {

std::size_t openHandleCount() { return static_cast<std::size_t>(openHandles.load()) + openRegistryKeyCount(); }

SIZE_T localMemoryInUse() { return static_cast<SIZE_T>(localInUse.load() < 0 ? 0 : localInUse.load()); }
SIZE_T localMemoryPeak() { return static_cast<SIZE_T>(localPeak.load() < 0 ? 0 : localPeak.load()); }
void resetLocalMemoryPeak() { localPeak = localInUse.load(); }

}  // namespace standin

extern "C" {

HANDLE __wrap_CreateFileA(LPCSTR name, DWORD access, DWORD shareMode, LPSECURITY_ATTRIBUTES security,
                          DWORD disposition, DWORD flags, HANDLE templateFile) {
  if (faultDue(Call::CreateFile)) return fail(faultError(), INVALID_HANDLE_VALUE);
  return opened(__real_CreateFileA(name, access, shareMode, security, disposition, flags, templateFile));
}

BOOL __wrap_ReadFile(HANDLE file, LPVOID buffer, DWORD count, LPDWORD read, LPOVERLAPPED overlapped) {
  if (read != nullptr) *read = 0;
  if (faultDue(Call::ReadFile)) return fail(faultError(), FALSE);
  return __real_ReadFile(file, buffer, count, read, overlapped);
}

BOOL __wrap_WriteFile(HANDLE file, LPCVOID buffer, DWORD count, LPDWORD written, LPOVERLAPPED overlapped) {
  if (written != nullptr) *written = 0;
  if (faultDue(Call::WriteFile)) return fail(faultError(), FALSE);
  return __real_WriteFile(file, buffer, count, written, overlapped);
}

DWORD __wrap_SetFilePointer(HANDLE file, LONG distance, PLONG distanceHigh, DWORD method) {
  if (faultDue(Call::SetFilePointer)) return fail(faultError(), INVALID_SET_FILE_POINTER);
  return __real_SetFilePointer(file, distance, distanceHigh, method);
}

// A fault reports failure after the handle is gone, as a close that failed
// to flush does on Windows.
BOOL __wrap_CloseHandle(HANDLE object) {
  if (!__real_CloseHandle(object)) return FALSE;
  --openHandles;
  if (faultDue(Call::CloseHandle)) return fail(faultError(), FALSE);
  return TRUE;
}

BOOL __wrap_CreateDirectoryA(LPCSTR path, LPSECURITY_ATTRIBUTES security) {
  if (faultDue(Call::CreateDirectory)) return fail(faultError(), FALSE);
  return __real_CreateDirectoryA(path, security);
}

HANDLE __wrap_FindFirstFileA(LPCSTR pattern, LPWIN32_FIND_DATAA data) {
  if (faultDue(Call::FindFirstFile)) return fail(faultError(), INVALID_HANDLE_VALUE);
  return opened(__real_FindFirstFileA(pattern, data));
}

BOOL __wrap_FindNextFileA(HANDLE search, LPWIN32_FIND_DATAA data) {
  if (faultDue(Call::FindNextFile)) return fail(faultError(), FALSE);
  return __real_FindNextFileA(search, data);
}

BOOL __wrap_FindClose(HANDLE search) {
  if (!__real_FindClose(search)) return FALSE;
  --openHandles;
  if (faultDue(Call::FindClose)) return fail(faultError(), FALSE);
  return TRUE;
}

HLOCAL __wrap_LocalAlloc(UINT flags, SIZE_T bytes) {
  if (faultDue(Call::LocalAlloc)) return fail(faultError(), HLOCAL{nullptr});
  HLOCAL memory = __real_LocalAlloc(flags, bytes);
  if (memory != nullptr) count(memory, 1);
  return memory;
}

HLOCAL __wrap_LocalFree(HLOCAL memory) {
  if (memory != nullptr) count(memory, -1);
  return __real_LocalFree(memory);
}

}  // extern "C"
