// Progress bars answering the PBM_ messages, for the writer's progress
// steps; a message to any other window goes on to the platform layer.
#include "Faults.h"

#include <map>
#include <mutex>

namespace {

struct ProgressBar {
  int low = 0;
  int high = 100;
  int position = 0;
  int step = 10;
  std::vector<standin::ProgressMove> moves;
};

void clamp(ProgressBar& bar) {
  if (bar.position < bar.low) bar.position = bar.low;
  if (bar.position > bar.high) bar.position = bar.high;
}

std::mutex barsLock;
std::map<HWND, ProgressBar> bars;
std::uintptr_t nextBar = 0x10000;

LRESULT packRange(const ProgressBar& bar) {
  return static_cast<LRESULT>((static_cast<DWORD>(bar.high) << 16) | static_cast<WORD>(bar.low));
}

}  // namespace

namespace standin {

HWND createProgressBar() {
  std::lock_guard<std::mutex> guard(barsLock);
  HWND window = reinterpret_cast<HWND>(nextBar);
  nextBar += 0x10;
  bars[window] = ProgressBar();
  return window;
}

void destroyProgressBar(HWND bar) {
  std::lock_guard<std::mutex> guard(barsLock);
  bars.erase(bar);
}

std::vector<ProgressMove> progressMoves(HWND bar) {
  std::lock_guard<std::mutex> guard(barsLock);
  auto it = bars.find(bar);
  return it == bars.end() ? std::vector<ProgressMove>() : it->second.moves;
}

}  // namespace standin

extern "C" LRESULT __wrap_SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  std::unique_lock<std::mutex> guard(barsLock);
  auto it = bars.find(window);
  if (it == bars.end()) {
    guard.unlock();
    return __real_SendMessageA(window, message, wParam, lParam);
  }
  ProgressBar& bar = it->second;
  int previous = bar.position;
  if (message == PBM_SETPOS || message == PBM_DELTAPOS || message == PBM_STEPIT) {
    bar.moves.push_back({message, wParam});
  }
  switch (message) {
    case PBM_SETRANGE: {
      LRESULT old = packRange(bar);
      bar.low = LOWORD(lParam);
      bar.high = HIWORD(lParam);
      return old;
    }
    case PBM_SETRANGE32: {
      LRESULT old = packRange(bar);
      bar.low = static_cast<int>(wParam);
      bar.high = static_cast<int>(lParam);
      return old;
    }
    case PBM_SETPOS:
      bar.position = static_cast<int>(wParam);
      clamp(bar);
      return previous;
    case PBM_DELTAPOS: {
      // The control takes the delta as an int; the sum may pass either end.
      long long moved = static_cast<long long>(bar.position) + static_cast<int>(wParam);
      bar.position = static_cast<int>(moved < bar.low ? bar.low : moved > bar.high ? bar.high : moved);
      return previous;
    }
    case PBM_SETSTEP: {
      int old = bar.step;
      bar.step = static_cast<int>(wParam);
      return old;
    }
    case PBM_STEPIT:
      bar.position += bar.step;
      if (bar.position > bar.high) bar.position = bar.low;
      return previous;
    case PBM_GETPOS: return bar.position;
    default: return 0;
  }
}
