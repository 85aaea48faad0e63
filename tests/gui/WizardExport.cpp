// Saves a bookmarks file with the wizard, as a user would, for the browser
// check (tests/browsers/check-browsers.sh), which runs it in the place of
// placemove-cli with the options the wizard has too:
//   WizardExport export <profile folder> -o <file> [--profile NAME]... [--folder NAME]
// The folders are Unix paths (Wine shows the Unix root as drive Z:). Only
// the profiles named are selected (all without --profile); the top folder
// is the name typed on the destination page. Exit code 0 once the program
// has saved the file and ended, 1 when it did not, 2 for a usage error.
#include "app/Resources.h"
#include "tests/gui/Controls.h"
#include "tests/gui/MessageBoxes.h"
#include "tests/gui/Program.h"
#include "tests/gui/Sheet.h"
#include "tests/gui/Wait.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Long enough for the largest profile of the check.
const DWORD SaveTimeout = 120000;

struct Request {
  std::string folder;
  std::string file;
  std::vector<std::string> profiles;
  std::string topFolder = "AOL Favorite Places";
};

bool parse(int argc, char** argv, Request& request) {
  if (argc < 2 || std::strcmp(argv[1], "export") != 0) return false;
  for (int i = 2; i < argc; ++i) {
    std::string argument = argv[i];
    bool hasValue = i + 1 < argc;
    if (argument == "-o" && hasValue) {
      request.file = windowsPathOf(argv[++i]);
    } else if (argument == "--profile" && hasValue) {
      request.profiles.push_back(argv[++i]);
    } else if (argument == "--folder" && hasValue) {
      request.topFolder = argv[++i];
    } else if (request.folder.empty() && argument[0] == '/') {
      request.folder = windowsPathOf(argument);
    } else {
      return false;
    }
  }
  return !request.folder.empty() && !request.file.empty();
}

bool fail(const char* what) {
  std::fprintf(stderr, "WizardExport: %s\n", what);
  return false;
}

HWND reach(const RunningProgram& program, HWND& sheet, int pageId) {
  if (waitFor([&] { return (sheet = findSheet(program.id())) != nullptr && currentPageId(sheet) == pageId; })) {
    return currentPage(sheet);
  }
  HWND box = findMessageBox(program.id());
  if (box != nullptr) std::fprintf(stderr, "Placemove.exe says: %s\n", readMessageBox(box).text.c_str());
  std::fprintf(stderr, "WizardExport: page %d did not show\n", pageId);
  return nullptr;
}

HWND next(const RunningProgram& program, HWND& sheet, int pageId) {
  pressButton(sheet, PSBTN_NEXT);
  return reach(program, sheet, pageId);
}

// Keeps selected the lines of the profiles named, all when none is.
void selectProfiles(HWND page, const std::vector<std::string>& profiles) {
  if (profiles.empty()) return;
  HWND list = GetDlgItem(page, IDC_PROFILE_LIST);
  std::vector<std::string> lines = listLines(list);
  for (std::size_t line = 0; line < lines.size(); ++line) {
    bool named = false;
    for (const std::string& name : profiles) named = named || lines[line].compare(0, name.size() + 2, name + " (") == 0;
    if (!named) selectListLine(list, static_cast<int>(line), false);
  }
}

bool save(RunningProgram& program, const Request& request) {
  HWND sheet = nullptr;
  if (reach(program, sheet, IDD_INTRODUCTION) == nullptr || next(program, sheet, IDD_AOL_DIRECTORY) == nullptr) {
    return false;
  }
  HWND page = next(program, sheet, IDD_PROFILES);
  if (page == nullptr) return false;
  selectProfiles(page, request.profiles);
  if ((page = next(program, sheet, IDD_DESTINATION)) == nullptr) return false;
  setItemText(page, IDC_DESTINATION_NAME, request.topFolder);
  clickButton(page, IDC_TO_FILE);
  setItemText(page, IDC_FILE_PATH, request.file);
  pressButton(sheet, PSBTN_NEXT);
  // A file there already is replaced, as --force would.
  if (!waitFor([&] { return currentPageId(sheet) == IDD_IMPORTING || findMessageBox(program.id()) != nullptr; })) {
    return fail("Next on the destination page did nothing");
  }
  if (HWND box = findMessageBox(program.id())) answerMessageBox(box, IDYES);
  if (reach(program, sheet, IDD_IMPORTING) == nullptr) return false;
  if (!waitFor([&] { return buttonEnabled(sheet, SheetFinishButton); }, SaveTimeout)) {
    return fail("the file was not saved");
  }
  pressButton(sheet, PSBTN_FINISH);
  DWORD exitCode = 1;
  return program.waitForExit(DefaultTimeout, exitCode) && exitCode == 0;
}

}  // namespace

int main(int argc, char** argv) {
  Request request;
  if (!parse(argc, argv, request)) {
    std::fprintf(stderr,
                 "usage: WizardExport export <profile folder> -o <file> [--profile NAME]... [--folder NAME]\n");
    return 2;
  }
  RunningProgram program(placemovePath(), request.folder);
  if (!program.started()) {
    std::fprintf(stderr, "WizardExport: cannot start %s: error %lu\n", placemovePath().c_str(), program.error());
    return 1;
  }
  // A run that stopped leaves the program to the end of `program`.
  return save(program, request) ? 0 : 1;
}
