// The benchmark's import: starts Placemove.exe on a profile folder, takes
// the wizard to the destination page, types `destination`, and prints the
// milliseconds from pressing Next there to the completion text showing.
// Then it ends the program by Finish.
//   BenchImport <profile folder> <destination>
#include "app/Resources.h"
#include "tests/gui/Controls.h"
#include "tests/gui/Program.h"
#include "tests/gui/Sheet.h"
#include "tests/gui/Wait.h"

#include <windows.h>

#include <cstdio>
#include <functional>

namespace {

// Far longer than the largest profile takes with a step per record.
const DWORD ImportTimeout = 1800000;

HWND reach(const RunningProgram& program, HWND& sheet, int pageId) {
  if (!waitFor([&] { return (sheet = findSheet(program.id())) != nullptr && currentPageId(sheet) == pageId; })) {
    std::fprintf(stderr, "Page %d did not show.\n", pageId);
    return nullptr;
  }
  return currentPage(sheet);
}

HWND next(const RunningProgram& program, HWND& sheet, int pageId) {
  pressButton(sheet, PSBTN_NEXT);
  return reach(program, sheet, pageId);
}

// Checks `condition` every 20 ms: each check asks the wine server, which
// the import needs for every file it makes, so a closer watch would slow
// down what it measures.
bool pollFor(const std::function<bool()>& condition, DWORD timeout) {
  DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start >= timeout) return false;
    Sleep(20);
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: BenchImport <profile folder> <destination>\n");
    return 2;
  }
  RunningProgram program(placemovePath(), argv[1]);
  if (!program.started()) {
    std::fprintf(stderr, "cannot start %s: error %lu\n", placemovePath().c_str(), program.error());
    return 1;
  }
  HWND sheet = nullptr;
  HWND page = nullptr;
  if (reach(program, sheet, IDD_INTRODUCTION) == nullptr || next(program, sheet, IDD_AOL_DIRECTORY) == nullptr ||
      next(program, sheet, IDD_PROFILES) == nullptr || (page = next(program, sheet, IDD_DESTINATION)) == nullptr) {
    return 1;
  }
  if (!setItemText(page, IDC_DESTINATION_NAME, argv[2])) {
    std::fprintf(stderr, "cannot type the destination\n");
    return 1;
  }

  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  pressButton(sheet, PSBTN_NEXT);
  HWND importing = nullptr;
  HWND done = nullptr;
  bool finished = pollFor(
      [&] {
        if (done == nullptr && (importing = currentPage(sheet)) != nullptr && currentPageId(sheet) == IDD_IMPORTING) {
          done = GetDlgItem(importing, IDC_DONE_TEXT);
        }
        return done != nullptr && IsWindowVisible(done);
      },
      ImportTimeout);
  QueryPerformanceCounter(&end);
  if (!finished) {
    std::fprintf(stderr, "The import did not end.\n");
    return 1;
  }
  std::printf("%lld\n", (end.QuadPart - start.QuadPart) * 1000 / frequency.QuadPart);
  std::fflush(stdout);
  // A moment for whoever watches the process to read its memory.
  Sleep(1000);
  pressButton(sheet, PSBTN_FINISH);
  DWORD exitCode = 0;
  if (!program.waitForExit(DefaultTimeout, exitCode)) {
    std::fprintf(stderr, "Placemove.exe did not end after Finish.\n");
    return 1;
  }
  return 0;
}
