// The wizard's second destination under Wine: a bookmarks file, from the
// first page to Finish. The file the program writes is the one the core
// writes for the same selection; a file there before is replaced only
// after Yes, and stays as it was when the user says No, cancels or the
// file cannot be written; a path too long for the file is refused on the
// page. Nothing is written below Favorites.
#include "app/BookmarksFile.h"
#include "app/Resources.h"
#include "tests/builder/LargeProfile.h"
#include "tests/builder/SampleProfiles.h"
#include "tests/gui/Controls.h"
#include "tests/gui/Sheet.h"
#include "tests/gui/Wait.h"
#include "tests/gui/WizardSession.h"
#include "tests/support/TempFolder.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <shlobj.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

using namespace builder;

namespace {

const char OldFile[] = "<!-- a file of the user's -->\n";
const int LargeFavorites = 100000;
// The file name's combo box in the Save As dialog (dlgs.h: cmb13).
const int SaveAsName = 0x47c;

// Enumeration callbacks (stdcall, which no lambda converts to in the 32-bit
// build): the edit of the Save As dialog's name field, and the visible
// top-level windows.
BOOL CALLBACK findNameEdit(HWND child, LPARAM found) {
  char name[16] = "";
  GetClassNameA(child, name, sizeof name);
  if (GetDlgCtrlID(child) == SaveAsName && lstrcmpiA(name, "Edit") == 0) *reinterpret_cast<HWND*>(found) = child;
  return TRUE;
}

BOOL CALLBACK collectVisible(HWND window, LPARAM list) {
  if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

// A string of the program's string table formatted with numbers.
std::string withNumbers(UINT stringId, unsigned long first, unsigned long second = 0) {
  char text[1024] = "";
  wsprintfA(text, programString(stringId).c_str(), first, second);
  return text;
}

// The file without its times, which differ from one writing to the next.
std::string withoutDates(const std::string& file) {
  return std::regex_replace(file, std::regex("ADD_DATE=\"[0-9]+\""), "ADD_DATE=\"\"");
}

class BookmarksFileTest : public ::testing::Test {
protected:
  void SetUp() override {
    for (const SampleProfile& sample : sampleProfiles()) OrganizeFile(sample.profile).save(profiles / sample.fileName);
  }

  // From the first page to the destination page, every profile selected;
  // the profile page's lines are kept in `lines`.
  HWND toDestinationPage(WizardSession& session) {
    if (session.waitForPage(IDD_INTRODUCTION) == nullptr || session.next(IDD_AOL_DIRECTORY) == nullptr) return nullptr;
    HWND page = session.next(IDD_PROFILES);
    if (page == nullptr) return nullptr;
    lines = listLines(GetDlgItem(page, IDC_PROFILE_LIST));
    return session.next(IDD_DESTINATION);
  }

  // Chooses the bookmarks file `path` on the destination page.
  static void chooseFile(WizardSession& session, HWND page, const std::string& path) {
    EXPECT_TRUE(clickButton(page, IDC_TO_FILE));
    EXPECT_TRUE(isChecked(page, IDC_TO_FILE));
    EXPECT_FALSE(isChecked(page, IDC_TO_FAVORITES));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, IDC_FILE_PATH)));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, IDC_BROWSE_FILE)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, IDC_BROWSE))) << "the Favorites folder's Browse button";
    EXPECT_TRUE(setItemText(page, IDC_FILE_PATH, path));
    session.savePage();
  }

  // Next on the destination page brings a message box, which must show
  // `text` with `buttons`; it is answered with `answer`. The question
  // before a file is replaced bears the wizard's title, the error messages
  // none of their own.
  static void answerNext(WizardSession& session, const std::string& text, const std::vector<int>& buttons,
                         int answer) {
    ASSERT_TRUE(pressButton(session.sheet, PSBTN_NEXT));
    HWND box = session.waitForMessageBox();
    session.expectMessage(box, text, buttons);
    EXPECT_EQ(readMessageBox(box).caption, buttons.size() == 2 ? windowText(session.sheet) : "Error");
    ASSERT_TRUE(answerMessageBox(box, answer));
    ASSERT_TRUE(waitFor([&] { return findMessageBox(session.program.id()) == nullptr; }));
  }

  // Types `path` as the file's name in the Save As dialog the page shows
  // and saves.
  static void chooseInSaveAsDialog(WizardSession& session, const std::string& path) {
    HWND dialog = nullptr;
    ASSERT_TRUE(waitFor([&] { return (dialog = findMessageBox(session.program.id())) != nullptr; }))
        << "no Save As dialog";
    EXPECT_EQ(windowText(dialog), "Save the Bookmarks File As");
    // The name's field: the edit inside the combo box of the name.
    HWND name = nullptr;
    EnumChildWindows(dialog, findNameEdit, reinterpret_cast<LPARAM>(&name));
    ASSERT_NE(name, nullptr) << "no file name field";
    EXPECT_EQ(sendTo(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str())), TRUE);
    EXPECT_TRUE(clickButton(dialog, IDOK));
    EXPECT_TRUE(waitFor([&] { return findMessageBox(session.program.id()) == nullptr; })) << "the dialog stayed";
  }

  // The importing page's button opens a window of the file's folder, which
  // is closed again.
  static void expectShownInExplorer(WizardSession& session, HWND page, const std::string& path) {
    std::vector<HWND> before = visibleWindows();
    EXPECT_TRUE(clickButton(page, IDC_SHOW_FILE));
    HWND shown = nullptr;
    EXPECT_TRUE(waitFor([&] {
      for (HWND window : visibleWindows()) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process != session.program.id() && std::find(before.begin(), before.end(), window) == before.end()) {
          shown = window;
        }
      }
      return shown != nullptr;
    })) << "no window showed the file";
    if (shown == nullptr) return;
    // Explorer's window is titled with the folder's name.
    std::string folder = path.substr(0, path.rfind('\\'));
    EXPECT_EQ(windowText(shown), folder.substr(folder.rfind('\\') + 1));
    PostMessageA(shown, WM_CLOSE, 0, 0);
  }

  static std::vector<HWND> visibleWindows() {
    std::vector<HWND> windows;
    EnumWindows(collectVisible, reinterpret_cast<LPARAM>(&windows));
    return windows;
  }

  // What the core writes of the profiles of the page's lines, "screen name
  // (path)" in the order shown, into the top folder "AOL Favorite Places".
  std::string coreFile() {
    ProfileTable table = {};
    for (const std::string& line : lines) {
      std::size_t open = line.rfind(" (");
      std::string path = line.substr(open + 2, line.size() - open - 3);
      ProfileEntry& entry = table.entries[table.profileCount++];
      fillProfileEntry(entry, path.c_str(), line.substr(0, open).c_str(), 0);
      entry.selected = true;
      ++table.selectedCount;
    }
    std::string path = work / "core.html";
    saveBookmarksFile(table, "AOL Favorite Places", path.c_str(), false, nullptr);
    releaseProfiles(table);
    return readWholeFile(path);
  }

  // Nothing may have been written below Favorites, nor anything left beside
  // the file but the file.
  void expectOnly(const std::vector<std::string>& names) {
    EXPECT_TRUE(filesBelow(favorites.path()).empty()) << "something was written below Favorites";
    EXPECT_EQ(target.tree(), names);
  }

  TempFolder profiles;
  TempFolder target;
  TempFolder work;
  FreshFavoritesFolder favorites;
  std::vector<std::string> lines;
};

TEST_F(BookmarksFileTest, TheFileIsWhatTheCoreWritesAndItsPageSaysWhereItIs) {
  WizardSession session(profiles.path());
  HWND page = toDestinationPage(session);
  ASSERT_NE(page, nullptr);
  ASSERT_EQ(lines.size(), 3u);
  // The Favorites folder is the choice until the user makes another, and the
  // file proposed is in the user's Documents folder.
  EXPECT_TRUE(isChecked(page, IDC_TO_FAVORITES));
  EXPECT_FALSE(isChecked(page, IDC_TO_FILE));
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, IDC_FILE_PATH)));
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, IDC_BROWSE_FILE)));
  char documents[MAX_PATH] = "";
  ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents), S_OK);
  EXPECT_EQ(itemText(page, IDC_FILE_PATH), std::string(documents) + "\\AOL Favorite Places.html");
  EXPECT_EQ(itemText(page, IDC_DESTINATION_NAME), "AOL Favorite Places");

  // The path chosen in the Save As dialog, and kept through Back and Next.
  std::string path = target / "AOL Favorite Places.html";
  chooseFile(session, page, "");
  EXPECT_TRUE(clickButton(page, IDC_BROWSE_FILE));
  chooseInSaveAsDialog(session, path);
  EXPECT_EQ(itemText(page, IDC_FILE_PATH), path);
  ASSERT_NE(session.back(IDD_PROFILES), nullptr);
  page = session.next(IDD_DESTINATION);
  ASSERT_NE(page, nullptr);
  EXPECT_TRUE(isChecked(page, IDC_TO_FILE));
  EXPECT_EQ(itemText(page, IDC_FILE_PATH), path);

  page = session.next(IDD_IMPORTING);
  ASSERT_NE(page, nullptr);
  ASSERT_TRUE(waitFor([&] { return buttonEnabled(session.sheet, SheetFinishButton); })) << "Finish was not offered";
  for (int control : {IDC_FILE_DONE_TEXT, IDC_SAVED_PATH, IDC_SHOW_FILE, IDC_EDGE_TEXT}) {
    EXPECT_TRUE(waitFor([&] { return IsWindowVisible(GetDlgItem(page, control)) != 0; }, 5000)) << control;
  }
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(page, IDC_DONE_TEXT))) << "the Favorites folder's completion text";
  EXPECT_FALSE(buttonEnabled(session.sheet, SheetBackButton));
  HWND bar = GetDlgItem(page, IDC_PROGRESS);
  EXPECT_EQ(progressPosition(bar), progressHigh(bar));
  session.savePage();

  std::string file = readWholeFile(path);
  std::string expected = coreFile();
  EXPECT_EQ(withoutDates(file), withoutDates(expected));
  // The sample profiles hold AOL-only links; the page counts them.
  std::size_t favoritesWritten = 0, aolOnly = 0;
  for (std::size_t at = 0; (at = file.find("<DT><A HREF=\"", at)) != std::string::npos; ++at) {
    ++favoritesWritten;
    if (file.compare(at + 13, 6, "aol://") == 0) ++aolOnly;
  }
  EXPECT_GT(aolOnly, 0u);
  EXPECT_EQ(itemText(page, IDC_FILE_DONE_TEXT), withNumbers(7, favoritesWritten, aolOnly));
  EXPECT_EQ(itemText(page, IDC_SAVED_PATH), path);
  expectShownInExplorer(session, page, path);

  ASSERT_TRUE(pressButton(session.sheet, PSBTN_FINISH));
  session.expectExitCodeZero();
  expectOnly({"AOL Favorite Places.html"});
}

TEST_F(BookmarksFileTest, AnExistingFileIsReplacedOnlyAfterYesAndAPathTooLongIsRefused) {
  std::string path = target / "bookmarks.html";
  writeWholeFile(path, OldFile);
  WizardSession session(profiles.path());
  HWND page = toDestinationPage(session);
  ASSERT_NE(page, nullptr);

  // A path with no room for the file written beside it, an empty one, and
  // a folder.
  std::string tooLong = target.path() + "\\" + std::string(MAX_PATH - 11 - target.path().size(), 'a');
  ASSERT_EQ(tooLong.size(), MAX_PATH - 10u);
  for (const std::string& refused : {tooLong, std::string(), target.path(), target.path() + "\\"}) {
    chooseFile(session, page, refused);
    answerNext(session, withNumbers(5, MAX_PATH - 12), {IDOK}, IDOK);
    EXPECT_EQ(currentPageId(session.sheet), IDD_DESTINATION);
  }

  chooseFile(session, page, path);
  answerNext(session, programMessage(6, path), {IDYES, IDNO}, IDNO);
  EXPECT_EQ(currentPageId(session.sheet), IDD_DESTINATION);
  EXPECT_EQ(readWholeFile(path), OldFile);

  answerNext(session, programMessage(6, path), {IDYES, IDNO}, IDYES);
  page = session.waitForPage(IDD_IMPORTING);
  ASSERT_NE(page, nullptr);
  ASSERT_TRUE(waitFor([&] { return buttonEnabled(session.sheet, SheetFinishButton); })) << "Finish was not offered";
  ASSERT_TRUE(pressButton(session.sheet, PSBTN_FINISH));
  session.expectExitCodeZero();
  EXPECT_EQ(withoutDates(readWholeFile(path)), withoutDates(coreFile()));
  expectOnly({"bookmarks.html"});
}

TEST_F(BookmarksFileTest, AFileThatCannotBeWrittenEndsTheProgramAfterMessageFour) {
  WizardSession session(profiles.path());
  HWND page = toDestinationPage(session);
  ASSERT_NE(page, nullptr);
  // A folder that is not there cannot be written in.
  chooseFile(session, page, target / "gone\\bookmarks.html");
  page = session.next(IDD_IMPORTING);
  ASSERT_NE(page, nullptr);
  HWND box = session.waitForMessageBox();
  session.expectMessage(box, programMessage(4, "\r\n" + systemText(ERROR_PATH_NOT_FOUND)), {IDOK});
  ASSERT_TRUE(answerMessageBox(box, IDOK));
  session.expectExitCodeZero();
  expectOnly({});
}

TEST_F(BookmarksFileTest, CancelDuringTheWriteLeavesTheOldFileAndNoPartOfTheNew) {
  // Far more than can be written before Cancel is pressed.
  OrganizeFile(largeProfile(LargeFavorites)).save(profiles / "zz-large");
  std::string path = target / "bookmarks.html";
  writeWholeFile(path, OldFile);
  WizardSession session(profiles.path());
  HWND page = toDestinationPage(session);
  ASSERT_NE(page, nullptr);
  chooseFile(session, page, path);
  answerNext(session, programMessage(6, path), {IDYES, IDNO}, IDYES);
  // No screenshot, which waits for the page to stop changing.
  ASSERT_TRUE(waitFor([&] { return currentPageId(session.sheet) == IDD_IMPORTING && (page = session.page()); }));
  HWND bar = GetDlgItem(page, IDC_PROGRESS);
  ASSERT_TRUE(waitFor([&] { return progressPosition(bar) > 0; })) << "the write did not start";
  EXPECT_FALSE(buttonEnabled(session.sheet, SheetFinishButton)) << "the write was over before Cancel";
  session.cancel();
  EXPECT_TRUE(readWholeFile(path) == OldFile) << "the old file was replaced";
  expectOnly({"bookmarks.html"});
}

}  // namespace
