// Drives the real Placemove.exe under Wine as a user would, by window
// messages: the wizard's frame and first pages, the AOL directory from the
// command line or the registry, Cancel, and a fatal error with Retry.
#include "aol/tests/InstallKeysTest.h"
#include "app/Resources.h"
#include "tests/builder/SampleProfiles.h"
#include "tests/gui/Controls.h"
#include "tests/gui/MessageBoxes.h"
#include "tests/gui/Program.h"
#include "tests/gui/Screenshot.h"
#include "tests/gui/Sheet.h"
#include "tests/gui/Wait.h"
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

// The sheet's own buttons.
const int BackButton = 0x3023;
const int NextButton = 0x3024;

// Every file and folder below `folder` with its size and time of change.
void listTree(const std::string& folder, const std::string& relative, std::vector<std::string>& entries) {
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA((folder + "\\" + relative + "*").c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    std::string name = data.cFileName;
    if (name == "." || name == "..") continue;
    entries.push_back(relative + name + " " + std::to_string(data.nFileSizeLow) + " " +
                      std::to_string(data.ftLastWriteTime.dwLowDateTime));
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) listTree(folder, relative + name + "\\", entries);
  } while (FindNextFileA(search, &data));
  FindClose(search);
}

std::vector<std::string> snapshot(const std::string& folder) {
  std::vector<std::string> entries;
  listTree(folder, "", entries);
  return entries;
}

std::string favoritesFolder() {
  char path[MAX_PATH] = "";
  HRESULT result = SHGetFolderPathA(nullptr, CSIDL_FAVORITES, nullptr, SHGFP_TYPE_CURRENT, path);
  EXPECT_EQ(result, S_OK) << "SHGetFolderPath(CSIDL_FAVORITES)";
  return path;
}

std::string systemText(DWORD code) {
  char text[1024] = "";
  FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text, sizeof text,
                 nullptr);
  return text;
}

// The fatal-error message of Placemove.exe's string table with `errorText`
// inserted, as the program shows it.
std::string fatalErrorMessage(const std::string& errorText) {
  HMODULE program = LoadLibraryExA(placemovePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  EXPECT_NE(program, nullptr) << "LoadLibraryEx: error " << GetLastError();
  char format[1024] = "";
  LoadStringA(program, 4, format, sizeof format);
  FreeLibrary(program);
  char text[1024] = "";
  wsprintfA(text, format, errorText.c_str());
  return text;
}

class WizardTest : public InstallKeysTest {
protected:
  void SetUp() override {
    InstallKeysTest::SetUp();
    ASSERT_EQ(organize::writeSampleProfiles(samples.path()), 0u);
    favoritesBefore = snapshot(favoritesFolder());
  }

  void TearDown() override {
    EXPECT_EQ(snapshot(favoritesFolder()), favoritesBefore) << "the Favorites folder changed";
    unlockThirdCandidate();  // also after a failure, so that the keys can be removed
    InstallKeysTest::TearDown();
  }

  // The sheet of `program`, once it shows page `pageId`.
  HWND waitForPage(const RunningProgram& program, int pageId) {
    HWND sheet = nullptr;
    bool shown = waitFor([&] {
      sheet = findSheet(program.id());
      return sheet != nullptr && currentPageId(sheet) == pageId;
    });
    EXPECT_TRUE(shown) << "page " << pageId << " did not show; the sheet is " << sheet << " on page "
                       << (sheet ? currentPageId(sheet) : 0);
    return shown ? sheet : nullptr;
  }

  HWND waitForMessageBox(const RunningProgram& program) {
    HWND box = nullptr;
    EXPECT_TRUE(waitFor([&] { return (box = findMessageBox(program.id())) != nullptr; })) << "no message box";
    return box;
  }

  // Whether the sheet's button `id` comes to be enabled (or disabled).
  static bool buttonBecomes(HWND sheet, int id, bool enabled) {
    return waitFor([&] { return (IsWindowEnabled(GetDlgItem(sheet, id)) != 0) == enabled; }, 5000);
  }

  static void expectExitCodeZero(RunningProgram& program) {
    DWORD exitCode = 0xDEAD;
    ASSERT_TRUE(program.waitForExit(DefaultTimeout, exitCode)) << "the program did not end";
    EXPECT_EQ(exitCode, 0u);
  }

  // Cancels the wizard; the program ends with exit code 0.
  static void cancel(RunningProgram& program, HWND sheet) {
    ASSERT_TRUE(pressButton(sheet, PSBTN_CANCEL));
    expectExitCodeZero(program);
  }

  // The AOL directory page's text, reached from the first page by Next.
  std::string directoryShownAfterNext(const RunningProgram& program, HWND sheet) {
    EXPECT_TRUE(pressButton(sheet, PSBTN_NEXT));
    if (waitForPage(program, IDD_AOL_DIRECTORY) == nullptr) return "(page not shown)";
    return itemText(currentPage(sheet), IDC_AOL_DIRECTORY);
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
  std::vector<std::string> favoritesBefore;
};

TEST_F(WizardTest, OpensOnTheIntroductionAndShowsTheArgumentVerbatim) {
  // Quotes the user typed around the directory stay in it.
  std::string argument = "\"" + samples.path() + "\\\"";
  RunningProgram program(placemovePath(), argument);
  ASSERT_TRUE(program.started()) << "CreateProcess: error " << program.error();
  HWND sheet = waitForPage(program, IDD_INTRODUCTION);
  ASSERT_NE(sheet, nullptr);
  EXPECT_EQ(pageCount(sheet), 5);
  EXPECT_TRUE(buttonBecomes(sheet, NextButton, true));
  EXPECT_TRUE(buttonBecomes(sheet, BackButton, false));

  EXPECT_EQ(directoryShownAfterNext(program, sheet), argument);
  EXPECT_TRUE(buttonBecomes(sheet, BackButton, true));
  EXPECT_TRUE(buttonBecomes(sheet, NextButton, true));

  cancel(program, sheet);
  EXPECT_EQ(samples.tree().size(), organize::sampleProfiles().size() + 1) << "the sample folder changed";
}

TEST_F(WizardTest, AScreenshotOfTheFirstPageIsAPngOfTheSheet) {
  RunningProgram program(placemovePath(), samples.path());
  ASSERT_TRUE(program.started()) << "CreateProcess: error " << program.error();
  HWND sheet = waitForPage(program, IDD_INTRODUCTION);
  ASSERT_NE(sheet, nullptr);
  TempFolder pictures;
  ASSERT_EQ(saveScreenshot(sheet, pictures / "page.png"), 0u);
  RECT area;
  ASSERT_TRUE(GetWindowRect(sheet, &area));
  cancel(program, sheet);

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
  RunningProgram program(placemovePath(), argument);
  ASSERT_TRUE(program.started()) << "CreateProcess: error " << program.error();
  HWND sheet = waitForPage(program, IDD_INTRODUCTION);
  ASSERT_NE(sheet, nullptr);
  EXPECT_EQ(directoryShownAfterNext(program, sheet), argument.substr(0, MAX_PATH - 1));
  cancel(program, sheet);
}

TEST_F(WizardTest, WithoutArgumentTheLocatorProposesTheDirectory) {
  setText(HKEY_LOCAL_MACHINE, 1, "C:\\Program Files\\America Online 9.0\\");
  RunningProgram program(placemovePath(), "");
  ASSERT_TRUE(program.started()) << "CreateProcess: error " << program.error();
  HWND sheet = waitForPage(program, IDD_INTRODUCTION);
  ASSERT_NE(sheet, nullptr);
  EXPECT_EQ(directoryShownAfterNext(program, sheet), "C:\\Program Files\\America Online 9.0\\organize\\");
  cancel(program, sheet);
}

TEST_F(WizardTest, WithoutArgumentOrInstallationTheDirectoryIsEmpty) {
  RunningProgram program(placemovePath(), "");
  ASSERT_TRUE(program.started()) << "CreateProcess: error " << program.error();
  HWND sheet = waitForPage(program, IDD_INTRODUCTION);
  ASSERT_NE(sheet, nullptr);
  EXPECT_EQ(directoryShownAfterNext(program, sheet), "");
  cancel(program, sheet);
}

TEST_F(WizardTest, ARegistryFailureOffersRetryAndCancelEndsTheProgram) {
  ASSERT_NO_FATAL_FAILURE(lockThirdCandidate());
  RunningProgram program(placemovePath(), "");
  ASSERT_TRUE(program.started()) << "CreateProcess: error " << program.error();
  HWND box = waitForMessageBox(program);
  ASSERT_NE(box, nullptr);
  MessageBoxView view = readMessageBox(box);
  EXPECT_EQ(view.caption, "Error");
  // A registry error shows a line break and the system's text of its cause.
  EXPECT_EQ(view.text, fatalErrorMessage("\r\n" + systemText(ERROR_ACCESS_DENIED)));
  EXPECT_EQ(view.buttons, (std::vector<int>{IDRETRY, IDCANCEL}));
  EXPECT_EQ(view.defaultButton, IDCANCEL);
  EXPECT_TRUE(view.hasIcon);
  EXPECT_EQ(findSheet(program.id()), nullptr) << "the wizard showed before the error";

  ASSERT_TRUE(answerMessageBox(box, IDCANCEL));
  expectExitCodeZero(program);
}

TEST_F(WizardTest, RetryRunsTheWizardAgainWithTheDirectoryFoundAfresh) {
  ASSERT_NO_FATAL_FAILURE(lockThirdCandidate());
  RunningProgram program(placemovePath(), "");
  ASSERT_TRUE(program.started()) << "CreateProcess: error " << program.error();
  HWND box = waitForMessageBox(program);
  ASSERT_NE(box, nullptr);

  ASSERT_EQ(unlockThirdCandidate(), ERROR_SUCCESS);
  setText(HKEY_CURRENT_USER, 3, "D:\\AOL 5.0");
  ASSERT_TRUE(answerMessageBox(box, IDRETRY));
  HWND sheet = waitForPage(program, IDD_INTRODUCTION);
  ASSERT_NE(sheet, nullptr);
  EXPECT_EQ(directoryShownAfterNext(program, sheet), "D:\\AOL 5.0\\organize\\");
  cancel(program, sheet);
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
  } favorites(favoritesFolder());
  ASSERT_TRUE(favorites.moved) << "MoveFile: error " << GetLastError();

  RunningProgram program(placemovePath(), samples.path());
  ASSERT_TRUE(program.started()) << "CreateProcess: error " << program.error();
  HWND box = waitForMessageBox(program);
  ASSERT_NE(box, nullptr);
  std::string fatalError = fatalErrorMessage("");
  EXPECT_EQ(readMessageBox(box).text.substr(0, fatalError.size()), fatalError);

  favorites.restore();
  ASSERT_FALSE(favorites.moved) << "MoveFile back: error " << GetLastError();
  ASSERT_TRUE(answerMessageBox(box, IDRETRY));
  HWND sheet = waitForPage(program, IDD_INTRODUCTION);
  ASSERT_NE(sheet, nullptr);
  cancel(program, sheet);
}

}  // namespace
