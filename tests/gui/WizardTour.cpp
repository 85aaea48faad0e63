// Shows the whole program on a profile folder when there is no display of
// the user's (scripts/run.sh): starts Placemove.exe with the folder as its
// argument, walks the wizard as a user taking every proposal would (Next on
// each page, Finish once the import is done), saves a screenshot of every
// page, and prints the pages it passed and the folders and shortcut files
// the import wrote below Favorites.
//   WizardTour <profile folder> <screenshot folder>
#include "app/Resources.h"
#include "tests/gui/Controls.h"
#include "tests/gui/MessageBoxes.h"
#include "tests/gui/Program.h"
#include "tests/gui/Screenshot.h"
#include "tests/gui/Sheet.h"
#include "tests/gui/Wait.h"

#include <windows.h>

#include <shlobj.h>

#include <cstdio>
#include <string>

namespace {

// Long enough for a few thousand favourites.
const DWORD ImportTimeout = 120000;

bool fail(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  return false;
}

// Waits for page `pageId`, saves its screenshot and prints its title.
HWND reach(const RunningProgram& program, HWND& sheet, int pageId, PageAlbum& album) {
  if (!waitFor([&] { return (sheet = findSheet(program.id())) != nullptr && currentPageId(sheet) == pageId; })) {
    HWND box = findMessageBox(program.id());
    if (box != nullptr) std::fprintf(stderr, "Placemove.exe says: %s\n", readMessageBox(box).text.c_str());
    std::fprintf(stderr, "Page %d did not show.\n", pageId);
    return nullptr;
  }
  HWND page = currentPage(sheet);
  char title[256] = "";
  GetWindowTextA(sheet, title, sizeof title);
  std::printf("Page %d: \"%s\"\n", pageId, title);
  if (DWORD error = album.take(sheet, pageId)) std::fprintf(stderr, "  (no screenshot: error %lu)\n", error);
  return page;
}

HWND next(const RunningProgram& program, HWND& sheet, int pageId, PageAlbum& album) {
  pressButton(sheet, PSBTN_NEXT);
  return reach(program, sheet, pageId, album);
}

// The URL line of a shortcut file.
std::string urlOf(const std::string& path) {
  char text[2048] = "";
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  DWORD got = 0;
  if (file != INVALID_HANDLE_VALUE) {
    ReadFile(file, text, sizeof text - 1, &got, nullptr);
    CloseHandle(file);
  }
  std::string content(text, got);
  std::size_t start = content.find("URL=");
  if (start == std::string::npos) return "";
  return content.substr(start + 4, content.find('\r', start) - start - 4);
}

void printTree(const std::string& folder, const std::string& indent) {
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    std::string name = data.cFileName;
    if (name == "." || name == "..") continue;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      std::printf("%s%s\\\n", indent.c_str(), name.c_str());
      printTree(folder + "\\" + name, indent + "    ");
    } else {
      std::printf("%s%s  ->  %s\n", indent.c_str(), name.c_str(), urlOf(folder + "\\" + name).c_str());
    }
  } while (FindNextFileA(search, &data));
  FindClose(search);
}

// Walks the wizard to Finish; false when it could not. `root` is the
// destination folder of the import.
bool tour(const RunningProgram& program, PageAlbum& album, std::string& root) {
  HWND sheet = nullptr;
  if (reach(program, sheet, IDD_INTRODUCTION, album) == nullptr) return false;
  HWND page = next(program, sheet, IDD_AOL_DIRECTORY, album);
  if (page == nullptr) return false;
  std::printf("  AOL profile directory: %s\n", itemText(page, IDC_AOL_DIRECTORY).c_str());
  if ((page = next(program, sheet, IDD_PROFILES, album)) == nullptr) return false;
  for (const std::string& line : listLines(GetDlgItem(page, IDC_PROFILE_LIST))) {
    std::printf("  profile: %s\n", line.c_str());
  }
  if ((page = next(program, sheet, IDD_DESTINATION, album)) == nullptr) return false;
  std::string destination = itemText(page, IDC_DESTINATION_NAME);
  std::printf("  destination below Favorites: %s\n", destination.c_str());
  if ((page = next(program, sheet, IDD_IMPORTING, album)) == nullptr) return false;

  if (!waitFor([&] { return buttonEnabled(sheet, SheetFinishButton); }, ImportTimeout)) {
    return fail("The import did not end.");
  }
  HWND bar = GetDlgItem(page, IDC_PROGRESS);
  std::printf("  progress: %d of %d\n", progressPosition(bar), progressHigh(bar));
  std::printf("  %s\n", itemText(page, IDC_DONE_TEXT).c_str());
  album.take(sheet, IDD_IMPORTING);
  pressButton(sheet, PSBTN_FINISH);

  char favorites[MAX_PATH] = "";
  SHGetFolderPathA(nullptr, CSIDL_FAVORITES, nullptr, SHGFP_TYPE_CURRENT, favorites);
  root = destination.empty() ? favorites : std::string(favorites) + "\\" + destination;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: WizardTour <profile folder> <screenshot folder>\n");
    return 2;
  }
  RunningProgram program(placemovePath(), argv[1]);
  if (!program.started()) {
    std::fprintf(stderr, "cannot start %s: error %lu\n", placemovePath().c_str(), program.error());
    return 1;
  }
  PageAlbum album(argv[2]);
  std::string root;
  // A tour that stopped leaves the program to the end of `program`.
  if (!tour(program, album, root)) return 1;
  DWORD exitCode = 0;
  if (!program.waitForExit(DefaultTimeout, exitCode)) {
    fail("Placemove.exe did not end after Finish.");
    return 1;
  }
  std::printf("Finish ended Placemove.exe with exit code %lu.\n", exitCode);
  std::printf("Written below %s:\n", root.c_str());
  printTree(root, "  ");
  return exitCode == 0 ? 0 : 1;
}
