#include "Faults.h"

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
