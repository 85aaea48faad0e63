// Shows the wizard on a profile folder when there is no display of the
// user's (scripts/run.sh): starts Placemove.exe with the folder as its
// argument, saves a screenshot of the first page, and cancels the wizard.
//   WizardTour <profile folder> <screenshot.png>
#include "app/Resources.h"
#include "tests/gui/Program.h"
#include "tests/gui/Screenshot.h"
#include "tests/gui/Sheet.h"
#include "tests/gui/Wait.h"

#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: WizardTour <profile folder> <screenshot.png>\n");
    return 2;
  }
  RunningProgram program(placemovePath(), argv[1]);
  if (!program.started()) {
    std::fprintf(stderr, "cannot start %s: error %lu\n", placemovePath().c_str(), program.error());
    return 1;
  }
  HWND sheet = nullptr;
  if (!waitFor([&] { return (sheet = findSheet(program.id())) != nullptr && currentPageId(sheet) != 0; })) {
    std::fprintf(stderr, "Placemove.exe started, but its wizard did not open.\n");
    return 1;
  }
  char title[256] = "";
  GetWindowTextA(sheet, title, sizeof title);
  std::printf("Placemove.exe opened its wizard \"%s\" on page %d of %d.\n", title, currentPageId(sheet),
              pageCount(sheet));
  if (DWORD error = saveScreenshot(sheet, argv[2])) {
    std::fprintf(stderr, "The screenshot could not be saved: error %lu\n", error);
  }

  pressButton(sheet, PSBTN_CANCEL);
  DWORD exitCode = 0;
  if (!program.waitForExit(DefaultTimeout, exitCode)) {
    std::fprintf(stderr, "Placemove.exe did not end after Cancel.\n");
    return 1;
  }
  std::printf("Cancel ended Placemove.exe with exit code %lu.\n", exitCode);
  return 0;
}
