// Drives the real Placemove.exe under Wine as a user would, by window
// messages: the wizard's frame and its pages before the import, the AOL
// directory from the command line or the registry, discovery's messages,
// the Browse buttons, Cancel, and fatal errors with Retry.
#include "aol/tests/InstallKeysTest.h"
#include "app/Resources.h"
#include "tests/builder/SampleProfiles.h"
#include "tests/gui/Controls.h"
#include "tests/gui/FolderBrowser.h"
#include "tests/gui/Sheet.h"
#include "tests/gui/Wait.h"
#include "tests/gui/WizardSession.h"
#include "tests/support/TempFolder.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <sddl.h>
#include <shlobj.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace {

class WizardTest : public InstallKeysTest {
protected:
  void SetUp() override {
    InstallKeysTest::SetUp();
    ASSERT_EQ(builder::writeSampleProfiles(samples.path()), 0u);
  }

  void TearDown() override {
    EXPECT_EQ(filesBelow(favorites.path()), favoritesBefore) << "the Favorites folder changed";
    unlockThirdCandidate();  // also after a failure, so that the keys can be removed
    InstallKeysTest::TearDown();
  }

  // The AOL directory page's text, reached from the first page by Next.
  static std::string directoryShownAfterNext(WizardSession& session) {
    HWND page = session.next(IDD_AOL_DIRECTORY);
    return page == nullptr ? "(page not shown)" : itemText(page, IDC_AOL_DIRECTORY);
  }

  // Whether the sheet's button `id` comes to be enabled (or disabled).
  static bool buttonBecomes(HWND sheet, int id, bool enabled) {
    return waitFor([&] { return buttonEnabled(sheet, id) == enabled; }, 5000);
  }

  // Makes the locator's third candidate under HKEY_CURRENT_USER a key that
  // cannot be read: opening it fails with access denied. (Wine takes the
  // key's security from RegSetKeySecurity, not from RegCreateKeyEx.)
  static void lockThirdCandidate() {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, InstallKeyRows[2].subKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                              WRITE_DAC, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    PSECURITY_DESCRIPTOR denyQuery = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA("D:(D;;0x1;;;WD)(A;;KA;;;WD)", SDDL_REVISION_1,
                                                                     &denyQuery, nullptr))
        << GetLastError();
    LONG code = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, denyQuery);
    LocalFree(denyQuery);
    RegCloseKey(key);
    ASSERT_EQ(code, ERROR_SUCCESS) << "RegSetKeySecurity";
    HKEY probe = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, InstallKeyRows[2].subKey, 0, KEY_QUERY_VALUE, &probe),
              ERROR_ACCESS_DENIED);
  }

  // Deleting needs no access that the lock denies.
  static LONG unlockThirdCandidate() { return RegDeleteKeyA(HKEY_CURRENT_USER, InstallKeyRows[2].subKey); }

  TempFolder samples;
  FreshFavoritesFolder favorites;
  // What the Favorites folder holds: the tests before the import write
  // nothing; only the Browse test makes folders of its own.
  std::map<std::string, std::string> favoritesBefore;
};

TEST_F(WizardTest, OpensOnTheIntroductionAndShowsTheArgumentVerbatim) {
  // Quotes the user typed around the directory stay in it.
  std::string argument = "\"" + samples.path() + "\\\"";
  WizardSession session(argument);
  ASSERT_NE(session.waitForPage(IDD_INTRODUCTION), nullptr);
  EXPECT_EQ(pageCount(session.sheet), 5);
  EXPECT_TRUE(buttonBecomes(session.sheet, SheetNextButton, true));
  EXPECT_TRUE(buttonBecomes(session.sheet, SheetBackButton, false));

  EXPECT_EQ(directoryShownAfterNext(session), argument);
  EXPECT_TRUE(buttonBecomes(session.sheet, SheetBackButton, true));
  EXPECT_TRUE(buttonBecomes(session.sheet, SheetNextButton, true));

  session.cancel();
  EXPECT_EQ(samples.tree().size(), builder::sampleProfiles().size() + 1) << "the sample folder changed";
}

TEST_F(WizardTest, AScreenshotOfTheFirstPageIsAPngOfTheSheet) {
  WizardSession session(samples.path());
  ASSERT_NE(session.waitForPage(IDD_INTRODUCTION), nullptr);
  TempFolder pictures;
  ASSERT_EQ(saveScreenshot(session.sheet, pictures / "page.png"), 0u);
  RECT area;
  ASSERT_TRUE(GetWindowRect(session.sheet, &area));
  session.cancel();

  std::string png = pictures.read("page.png");
  ASSERT_GT(png.size(), 33u);
  EXPECT_EQ(png.substr(0, 16), std::string("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16));
  auto big32 = [&](std::size_t offset) {
    return std::uint32_t(std::uint8_t(png[offset])) << 24 | std::uint32_t(std::uint8_t(png[offset + 1])) << 16 |
           std::uint32_t(std::uint8_t(png[offset + 2])) << 8 | std::uint8_t(png[offset + 3]);
  };
  std::uint32_t width = big32(16), height = big32(20);
  EXPECT_EQ(width, std::uint32_t(area.right - area.left));
  EXPECT_EQ(height, std::uint32_t(area.bottom - area.top));
  // Stored deflate blocks: the rows (a filter byte and three bytes a pixel)
  // plus 5 bytes a block of 65535, in a zlib stream and the PNG's chunks.
  std::uint32_t raw = height * (1 + width * 3);
  EXPECT_EQ(png.size(), 8 + 25 + 12 + 2 + raw + 5 * ((raw + 65534) / 65535) + 4 + 12);
  std::set<char> values(png.begin() + 41, png.end());
  EXPECT_GT(values.size(), 16u) << "the picture is nearly of one colour: the page did not paint";
}

TEST_F(WizardTest, AnArgumentLongerThanAPathIsCutToTheBuffer) {
  std::string argument = "C:\\" + std::string(400, 'a');
  WizardSession session(argument);
  ASSERT_NE(session.waitForPage(IDD_INTRODUCTION), nullptr);
  EXPECT_EQ(directoryShownAfterNext(session), argument.substr(0, MAX_PATH - 1));
  session.cancel();
}

TEST_F(WizardTest, WithoutArgumentTheLocatorProposesTheDirectory) {
  setText(HKEY_LOCAL_MACHINE, 1, "C:\\Program Files\\America Online 9.0\\");
  WizardSession session("");
  ASSERT_NE(session.waitForPage(IDD_INTRODUCTION), nullptr);
  EXPECT_EQ(directoryShownAfterNext(session), "C:\\Program Files\\America Online 9.0\\organize\\");
  session.cancel();
}

TEST_F(WizardTest, WithoutArgumentOrInstallationTheDirectoryIsEmpty) {
  WizardSession session("");
  ASSERT_NE(session.waitForPage(IDD_INTRODUCTION), nullptr);
  EXPECT_EQ(directoryShownAfterNext(session), "");
  session.cancel();
}

TEST_F(WizardTest, ADirectoryWithoutProfilesKeepsThePageByNextAndByBack) {
  TempFolder empty;
  empty.write("toolbar.dat", "This is not an organize file.\r\n");
  WizardSession session(empty.path());
  ASSERT_NE(session.waitForPage(IDD_INTRODUCTION), nullptr);
  HWND page = session.next(IDD_AOL_DIRECTORY);
  ASSERT_NE(page, nullptr);
  for (int button : {PSBTN_NEXT, PSBTN_BACK}) {
    ASSERT_TRUE(pressButton(session.sheet, button));
    HWND box = session.waitForMessageBox();
    session.expectMessage(box, programMessage(1), {IDOK});
    ASSERT_TRUE(answerMessageBox(box, IDOK));
    ASSERT_TRUE(waitFor([&] { return findMessageBox(session.program.id()) == nullptr; }));
    EXPECT_EQ(currentPageId(session.sheet), IDD_AOL_DIRECTORY) << "the page was left, button " << button;
  }

  // A directory that cannot be searched has discovery's own message only.
  std::string missing = empty / "missing";
  ASSERT_TRUE(setItemText(page, IDC_AOL_DIRECTORY, missing));
  ASSERT_TRUE(pressButton(session.sheet, PSBTN_NEXT));
  HWND box = session.waitForMessageBox();
  ASSERT_NE(box, nullptr);
  // The directory's error shows a line break and the system's text.
  session.expectMessage(box, programMessage(2, missing + "\\", "\r\n" + systemText(ERROR_PATH_NOT_FOUND)), {IDOK});
  ASSERT_TRUE(answerMessageBox(box, IDOK));
  ASSERT_TRUE(waitFor([&] { return findMessageBox(session.program.id()) == nullptr; }));
  Sleep(500);  // no second message may follow
  EXPECT_EQ(findMessageBox(session.program.id()), nullptr) << "a second message followed discovery's";
  EXPECT_EQ(currentPageId(session.sheet), IDD_AOL_DIRECTORY);

  // A directory with profiles lets the page go.
  ASSERT_TRUE(setItemText(page, IDC_AOL_DIRECTORY, samples.path()));
  page = session.next(IDD_PROFILES);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(listLines(GetDlgItem(page, IDC_PROFILE_LIST)).size(), builder::sampleProfiles().size());
  session.cancel();
}

TEST_F(WizardTest, ARegistryFailureOffersRetryAndCancelEndsTheProgram) {
  ASSERT_NO_FATAL_FAILURE(lockThirdCandidate());
  WizardSession session("");
  HWND box = session.waitForMessageBox();
  ASSERT_NE(box, nullptr);
  MessageBoxView view = readMessageBox(box);
  EXPECT_EQ(view.caption, "Error");
  // A registry error shows a line break and the system's text of its cause.
  session.expectMessage(box, programMessage(4, "\r\n" + systemText(ERROR_ACCESS_DENIED)), {IDRETRY, IDCANCEL});
  EXPECT_EQ(view.defaultButton, IDCANCEL);
  EXPECT_EQ(findSheet(session.program.id()), nullptr) << "the wizard showed before the error";

  ASSERT_TRUE(answerMessageBox(box, IDCANCEL));
  session.expectExitCodeZero();
}

TEST_F(WizardTest, RetryRunsTheWizardAgainWithTheDirectoryFoundAfresh) {
  ASSERT_NO_FATAL_FAILURE(lockThirdCandidate());
  WizardSession session("");
  HWND box = session.waitForMessageBox();
  ASSERT_NE(box, nullptr);

  ASSERT_EQ(unlockThirdCandidate(), ERROR_SUCCESS);
  setText(HKEY_CURRENT_USER, 3, "D:\\AOL 5.0");
  ASSERT_TRUE(answerMessageBox(box, IDRETRY));
  ASSERT_NE(session.waitForPage(IDD_INTRODUCTION), nullptr);
  EXPECT_EQ(directoryShownAfterNext(session), "D:\\AOL 5.0\\organize\\");
  session.cancel();
}

// Without a Favorites folder there is nowhere to import into: the program
// reports it and offers Retry rather than writing anywhere else.
TEST_F(WizardTest, WithoutAFavoritesFolderTheProgramOffersRetry) {
  struct MovedAway {
    std::string path;
    bool moved;
    explicit MovedAway(const std::string& folder)
        : path(folder), moved(MoveFileA(folder.c_str(), (folder + ".away").c_str()) != 0) {}
    ~MovedAway() { restore(); }
    void restore() {
      if (moved && MoveFileA((path + ".away").c_str(), path.c_str())) moved = false;
    }
  } movedAway(favorites.path());
  ASSERT_TRUE(movedAway.moved) << "MoveFile: error " << GetLastError();

  WizardSession session(samples.path());
  HWND box = session.waitForMessageBox();
  ASSERT_NE(box, nullptr);
  std::string fatalError = programMessage(4);
  EXPECT_EQ(readMessageBox(box).text.substr(0, fatalError.size()), fatalError);

  movedAway.restore();
  ASSERT_FALSE(movedAway.moved) << "MoveFile back: error " << GetLastError();
  ASSERT_TRUE(answerMessageBox(box, IDRETRY));
  ASSERT_NE(session.waitForPage(IDD_INTRODUCTION), nullptr);
  session.cancel();
}

// Closes, in the process `processId`, every handle open on the folder
// `path`; returns how many it closed.
int closeHandlesOn(DWORD processId, const std::string& path) {
  HANDLE process = OpenProcess(PROCESS_DUP_HANDLE, FALSE, processId);
  if (process == nullptr) return 0;
  int closed = 0;
  for (ULONG_PTR value = 4; value < 0x4000; value += 4) {
    HANDLE handle = reinterpret_cast<HANDLE>(value);
    HANDLE copy = nullptr;
    if (!DuplicateHandle(process, handle, GetCurrentProcess(), &copy, 0, FALSE, DUPLICATE_SAME_ACCESS)) continue;
    char name[MAX_PATH + 8] = "";
    DWORD length = GetFinalPathNameByHandleA(copy, name, sizeof name, VOLUME_NAME_DOS);
    CloseHandle(copy);
    std::string found(name, length < sizeof name ? length : 0);
    if (found.size() < path.size() || lstrcmpiA(found.substr(found.size() - path.size()).c_str(), path.c_str()) != 0) {
      continue;
    }
    // Moved out of the process, then closed here.
    if (DuplicateHandle(process, handle, GetCurrentProcess(), &copy, 0, FALSE, DUPLICATE_CLOSE_SOURCE)) {
      CloseHandle(copy);
      ++closed;
    }
  }
  CloseHandle(process);
  return closed;
}

// A fatal error inside a page: the directory search fails part way (its
// handle is closed under it while discovery asks about a locked file).
// Retry starts the wizard again on its first page, with the directory of
// the command line, not the one typed.
TEST_F(WizardTest, AFatalErrorInAPageOffersRetryAndTheWizardStartsAgain) {
  samples.write("locked", "a file that discovery cannot open");
  HANDLE locked = CreateFileA((samples / "locked").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(locked, INVALID_HANDLE_VALUE) << "error " << GetLastError();
  struct Unlock {
    HANDLE file;
    ~Unlock() { CloseHandle(file); }
  } unlock{locked};

  WizardSession session(samples.path());
  ASSERT_NE(session.waitForPage(IDD_INTRODUCTION), nullptr);
  HWND page = session.next(IDD_AOL_DIRECTORY);
  ASSERT_NE(page, nullptr);
  ASSERT_TRUE(setItemText(page, IDC_AOL_DIRECTORY, samples.path() + "\\"));
  ASSERT_TRUE(pressButton(session.sheet, PSBTN_NEXT));
  HWND box = session.waitForMessageBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(readMessageBox(box).buttons, (std::vector<int>{IDABORT, IDRETRY, IDIGNORE}));
  ASSERT_GT(closeHandlesOn(session.program.id(), samples.path()), 0) << "the directory search was not found";
  ASSERT_TRUE(answerMessageBox(box, IDIGNORE));

  ASSERT_TRUE(waitFor([&] {
    box = findMessageBox(session.program.id());
    return box != nullptr && readMessageBox(box).buttons.size() == 2;
  })) << "no fatal-error message";
  // The search's error shows a line break and the system's text.
  session.expectMessage(box, programMessage(4, "\r\n" + systemText(ERROR_INVALID_HANDLE)), {IDRETRY, IDCANCEL});
  EXPECT_EQ(readMessageBox(box).defaultButton, IDCANCEL);
  ASSERT_TRUE(answerMessageBox(box, IDRETRY));

  ASSERT_NE(session.waitForPage(IDD_INTRODUCTION), nullptr);
  EXPECT_EQ(directoryShownAfterNext(session), samples.path());
  session.cancel();
}

TEST_F(WizardTest, BrowsingOnTheDestinationPageGivesTheFolderBelowFavorites) {
  std::string links = favorites.path() + "\\Links";
  ASSERT_TRUE(CreateDirectoryA(links.c_str(), nullptr)) << "error " << GetLastError();
  ASSERT_TRUE(CreateDirectoryA((links + "\\News").c_str(), nullptr)) << "error " << GetLastError();
  favoritesBefore = filesBelow(favorites.path());

  WizardSession session(samples.path());
  ASSERT_NE(session.waitForPage(IDD_INTRODUCTION), nullptr);
  ASSERT_NE(session.next(IDD_AOL_DIRECTORY), nullptr);
  ASSERT_NE(session.next(IDD_PROFILES), nullptr);
  HWND page = session.next(IDD_DESTINATION);
  ASSERT_NE(page, nullptr);

  // Chooses the folder reached by `names` from the Favorites folder, and
  // OK or Cancel; the edit's text after that.
  auto browse = [&](const std::vector<std::string>& names, int button) {
    EXPECT_TRUE(PostMessageA(GetDlgItem(page, IDC_BROWSE), BM_CLICK, 0, 0));
    HWND browser = nullptr;
    EXPECT_TRUE(waitFor([&] { return (browser = findFolderBrowser(session.program.id())) != nullptr; }))
        << "no folder browser";
    if (browser == nullptr) return std::string("(no browser)");
    EXPECT_EQ(windowText(browser).empty(), false);
    std::vector<std::string> found;
    EXPECT_TRUE(chooseInFolderBrowser(browser, names, found)) << "found only " << ::testing::PrintToString(found);
    EXPECT_TRUE(closeFolderBrowser(browser, button));
    EXPECT_TRUE(waitFor([&] { return findFolderBrowser(session.program.id()) == nullptr; }));
    return itemText(page, IDC_DESTINATION_NAME);
  };
  EXPECT_EQ(browse({"Links", "News"}, IDOK), "Links\\News");
  EXPECT_EQ(browse({}, IDOK), "");
  EXPECT_EQ(browse({"Links"}, IDCANCEL), "");
  EXPECT_EQ(browse({"Links"}, IDOK), "Links");
  session.cancel();
}

TEST_F(WizardTest, BrowsingOnTheDirectoryPageGivesTheFullPathOfAFolder) {
  WizardSession session("C:\\typed");
  ASSERT_NE(session.waitForPage(IDD_INTRODUCTION), nullptr);
  HWND page = session.next(IDD_AOL_DIRECTORY);
  ASSERT_NE(page, nullptr);
  auto browse = [&](const std::vector<std::string>& names) {
    EXPECT_TRUE(PostMessageA(GetDlgItem(page, IDC_BROWSE), BM_CLICK, 0, 0));
    HWND browser = nullptr;
    EXPECT_TRUE(waitFor([&] { return (browser = findFolderBrowser(session.program.id())) != nullptr; }))
        << "no folder browser";
    if (browser == nullptr) return std::string("(no browser)");
    std::vector<std::string> found;
    EXPECT_TRUE(chooseInFolderBrowser(browser, names, found)) << "found only " << ::testing::PrintToString(found);
    EXPECT_TRUE(closeFolderBrowser(browser, IDOK));
    EXPECT_TRUE(waitFor([&] { return findFolderBrowser(session.program.id()) == nullptr; }));
    return itemText(page, IDC_AOL_DIRECTORY);
  };
  // The computer itself has no path: the edit stays as it was.
  EXPECT_EQ(browse({"My Computer"}), "C:\\typed");
  // The browser's root, the desktop, is a folder of the file system.
  char desktop[MAX_PATH] = "";
  ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, desktop), S_OK);
  EXPECT_EQ(browse({}), desktop);
  // The sample folder, C:\users\<user>\Temp\<name>, through the drive's tree.
  std::vector<std::string> names = {"My Computer", " (C:)"};
  for (std::size_t start = 3, end; start < samples.path().size(); start = end + 1) {
    end = samples.path().find('\\', start);
    if (end == std::string::npos) end = samples.path().size();
    names.push_back(samples.path().substr(start, end - start));
  }
  EXPECT_EQ(browse(names), samples.path());
  page = session.next(IDD_PROFILES);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(listLines(GetDlgItem(page, IDC_PROFILE_LIST)).size(), builder::sampleProfiles().size());
  session.cancel();
}

}  // namespace
