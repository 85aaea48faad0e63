#include "tests/gui/Wait.h"

bool waitFor(const std::function<bool()>& condition, DWORD timeout) {
  DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start >= timeout) return false;
    Sleep(20);
  }
}
