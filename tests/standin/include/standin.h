// Test controls of the POSIX platform layer: fault injection, open handles,
// local memory, the tick count and progress bars. The test stand-in
// (tests/standin) wraps the layer's calls at link time (ld --wrap) in every
// test program of the native build; the product's libraries hold none of
// this.
// Only tests include this header; the core sees nothing but <windows.h>.
#pragma once

#include <windows.h>

#include <vector>

namespace standin {

// The calls whose failure a test can provoke.
enum class Call {
  CreateFile,
  ReadFile,
  WriteFile,
  CloseHandle,
  SetFilePointer,
  CreateDirectory,
  FindFirstFile,
  FindNextFile,
  FindClose,
  LocalAlloc,
  RegOpenKeyEx,
  RegQueryValueEx,
  RegCloseKey,
};

// Makes the call fail with `error` once `skip` further calls of it have
// succeeded. A LocalAlloc fault yields a null pointer. Faults are one-shot.
void injectFault(Call call, unsigned skip, DWORD error);
void clearFaults();

// The handles this process holds open: files, searches and registry keys.
// A test compares it before and after the code under test.
std::size_t openHandleCount();

// Local memory: the bytes that LocalAlloc has handed out and LocalFree not
// yet taken back, and the most there were at once since the last
// resetLocalMemoryPeak(). A test takes the peak less the bytes in use
// before the code under test ran as what that code held at most.
SIZE_T localMemoryInUse();
SIZE_T localMemoryPeak();
void resetLocalMemoryPeak();

// GetTickCount follows the monotonic clock, unless a test holds it: it then
// answers `ticks` until the next holdTickCount or releaseTickCount.
// tickCountReads() counts the calls of GetTickCount since the start.
void holdTickCount(DWORD ticks);
void releaseTickCount();
unsigned tickCountReads();

// A progress bar that answers the PBM_ messages as the common control does:
// range 0..100, step 10, position 0 at creation; PBM_STEPIT wraps to the
// lower bound when it passes the upper one, PBM_DELTAPOS stops at either
// bound.
HWND createProgressBar();
void destroyProgressBar(HWND bar);

// A message that moved a bar or tried to: PBM_SETPOS, PBM_DELTAPOS or
// PBM_STEPIT, with its wParam.
struct ProgressMove {
  UINT message;
  WPARAM wParam;
};
// Those messages the bar received, in order.
std::vector<ProgressMove> progressMoves(HWND bar);

}  // namespace standin
