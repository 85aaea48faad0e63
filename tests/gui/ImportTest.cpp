// The whole program under Wine, from the first page to Finish: the folders
// and shortcut files it writes below the Favorites folder of the private
// Wine prefix, the progress bar, and the ways an import can end.
#include "aol/organize/ProfileCheck.h"
#include "app/Resources.h"
#include "favorites/Names.h"
#include "tests/builder/SampleProfiles.h"
#include "tests/gui/Controls.h"
#include "tests/gui/Sheet.h"
#include "tests/gui/Wait.h"
#include "tests/gui/WizardSession.h"
#include "tests/support/TempFolder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

using namespace builder;

namespace {

const std::uint8_t MailKind = 0x10;

// Relative path below the Favorites folder -> the URL of a shortcut file,
// or "" for a folder (whose path ends in a backslash).
using Expected = std::map<std::string, std::string>;

// What the import writes of `items` below `folder` ("" or ending in '\').
void expectItems(const std::vector<Item>& items, const std::string& folder, Expected& expected) {
  for (const Item& item : items) {
    char name[MAX_PATH];
    escapeName(item.title.c_str(), '%', TitleEscapes, TitleEscapesLength, name, sizeof name);
    if (item.hasUrl) {
      expected[folder + name + ".url"] = item.url;
    } else if (!item.children.empty()) {
      expected[folder + name + "\\"] = "";
      expectItems(item.children, folder + name + "\\", expected);
    }
  }
}

// A profile's favourites below `folder`, which is expected too, with every
// folder above it up to the Favorites folder.
void expectProfile(const Profile& profile, const std::string& folder, Expected& expected) {
  for (std::size_t end = folder.find('\\'); end != std::string::npos; end = folder.find('\\', end + 1)) {
    expected[folder.substr(0, end + 1)] = "";
  }
  for (const Item& top : profile.topLevel) {
    if (top.kind == FavoritesKind) expectItems(top.children, folder, expected);
  }
}

Profile sample(const std::string& screenName) {
  for (const SampleProfile& sample : sampleProfiles()) {
    if (sample.profile.screenName == screenName) return sample.profile;
  }
  ADD_FAILURE() << "no sample profile " << screenName;
  return Profile();
}

ULONGLONG now() {
  FILETIME time;
  GetSystemTimeAsFileTime(&time);
  return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

class ImportTest : public ::testing::Test {
protected:
  void SetUp() override {
    userFolderBefore = namesIn(favorites + "\\..");
    usersBefore = namesIn(favorites + "\\..\\..");
    startTime = now();
  }

  // Nothing may have been written beside the Favorites folder or above it.
  void TearDown() override {
    EXPECT_EQ(namesIn(favorites + "\\.."), userFolderBefore) << "something was written beside the Favorites folder";
    EXPECT_EQ(namesIn(favorites + "\\..\\.."), usersBefore) << "something was written above the Favorites folder";
  }

  static std::set<std::string> namesIn(const std::string& folder) {
    std::set<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      names.insert(data.cFileName);
    } while (FindNextFileA(search, &data));
    FindClose(search);
    return names;
  }

  // Writes a profile's organize file into the profile folder and returns
  // its item count, as discovery will find it.
  DWORD writeProfile(const std::string& fileName, const Profile& profile) {
    std::string path = profiles / fileName;
    OrganizeFile(profile).save(path);
    char screenName[1024];
    DWORD itemCount = checkProfileFile(path.c_str(), screenName, sizeof screenName);
    EXPECT_GT(itemCount, 0u) << fileName << " is no profile";
    return itemCount;
  }

  // The item counts of the sample profiles, by screen name.
  std::map<std::string, DWORD> writeSamples() {
    std::map<std::string, DWORD> counts;
    for (const SampleProfile& sample : sampleProfiles()) {
      counts[sample.profile.screenName] = writeProfile(sample.fileName, sample.profile);
    }
    return counts;
  }

  // From the first page to the profile page, on the profile folder.
  HWND toProfilePage(WizardSession& session) {
    if (session.waitForPage(IDD_INTRODUCTION) == nullptr) return nullptr;
    HWND page = session.next(IDD_AOL_DIRECTORY);
    if (page == nullptr) return nullptr;
    EXPECT_EQ(itemText(page, IDC_AOL_DIRECTORY), profiles.path());
    return session.next(IDD_PROFILES);
  }

  // The profile page's lines, which must be one a profile, all selected.
  static std::vector<std::string> linesAllSelected(HWND page) {
    HWND list = GetDlgItem(page, IDC_PROFILE_LIST);
    std::vector<std::string> lines = listLines(list);
    EXPECT_EQ(listSelection(list), std::vector<bool>(lines.size(), true)) << "not every line is selected";
    return lines;
  }

  // The line of the profile with this screen name and organize file.
  std::string lineOf(const std::string& screenName, const std::string& fileName) const {
    return screenName + " (" + profiles.path() + "\\" + fileName + ")";
  }

  // Deselects the lines of these screen names on the profile page.
  static void deselect(HWND page, const std::vector<std::string>& screenNames) {
    HWND list = GetDlgItem(page, IDC_PROFILE_LIST);
    std::vector<std::string> lines = listLines(list);
    for (const std::string& screenName : screenNames) {
      bool found = false;
      for (std::size_t line = 0; line < lines.size(); ++line) {
        if (lines[line].compare(0, screenName.size() + 2, screenName + " (") != 0) continue;
        EXPECT_TRUE(selectListLine(list, static_cast<int>(line), false)) << lines[line];
        found = true;
      }
      EXPECT_TRUE(found) << "no line for " << screenName;
    }
  }

  // From the profile page to the importing page, with `destination` typed
  // on the destination page.
  static HWND toImportingPage(WizardSession& session, const std::string& destination) {
    HWND page = session.next(IDD_DESTINATION);
    if (page == nullptr) return nullptr;
    EXPECT_EQ(itemText(page, IDC_DESTINATION_NAME), "AOL Favorite Places");
    EXPECT_TRUE(setItemText(page, IDC_DESTINATION_NAME, destination));
    return session.next(IDD_IMPORTING);
  }

  // Waits for the end of the import: Finish offered and nothing else, the
  // completion text shown, and the bar exactly at `total`, its upper bound.
  static void expectDone(WizardSession& session, HWND page, int total) {
    ASSERT_NE(page, nullptr);
    ASSERT_TRUE(waitFor([&] { return buttonEnabled(session.sheet, SheetFinishButton); }))
        << "Finish was not offered";
    EXPECT_TRUE(waitFor([&] { return IsWindowVisible(GetDlgItem(page, IDC_DONE_TEXT)) != 0; }, 5000))
        << "the completion text is hidden";
    EXPECT_FALSE(buttonEnabled(session.sheet, SheetBackButton));
    EXPECT_FALSE(buttonEnabled(session.sheet, SheetNextButton));
    HWND bar = GetDlgItem(page, IDC_PROGRESS);
    EXPECT_EQ(progressLow(bar), 0);
    EXPECT_EQ(progressHigh(bar), total);
    EXPECT_EQ(progressPosition(bar), total);
    session.savePage();
  }

  // Ends the program by Finish, once the import is done.
  static void finish(WizardSession& session) {
    ASSERT_TRUE(pressButton(session.sheet, PSBTN_FINISH));
    session.expectExitCodeZero();
  }

  // The Favorites folder holds exactly `expected`: its folders, and
  // shortcut files to the expected URLs with a time from this test.
  void expectWritten(const Expected& expected) {
    std::map<std::string, std::string> files = filesBelow(favorites);
    std::vector<std::string> written;
    for (const auto& entry : files) written.push_back(entry.first);
    std::vector<std::string> names;
    for (const auto& entry : expected) names.push_back(entry.first);
    EXPECT_EQ(written, names);
    for (const auto& entry : expected) {
      if (entry.first.back() != '\\' && files.count(entry.first) == 1) {
        EXPECT_TRUE(isShortcut(files[entry.first], entry.second)) << entry.first;
      }
    }
  }

  // The bytes of the shortcut file to `url`, with a Modified time between
  // the test's start and now, and its check byte.
  ::testing::AssertionResult isShortcut(const std::string& bytes, const std::string& url) const {
    std::string head = "[InternetShortcut]\r\nURL=" + url + "\r\nModified=";
    if (bytes.size() != head.size() + 20 || bytes.compare(0, head.size(), head) != 0 ||
        bytes.compare(bytes.size() - 2, 2, "\r\n") != 0) {
      return ::testing::AssertionFailure() << "holds " << ::testing::PrintToString(bytes) << ", not the shortcut to "
                                           << url;
    }
    ULONGLONG time = 0;
    unsigned sum = 0;
    for (int i = 0; i < 9; ++i) {
      unsigned byte = std::stoul(bytes.substr(head.size() + 2 * i, 2), nullptr, 16);
      if (i < 8) {
        time |= static_cast<ULONGLONG>(byte) << (8 * i);
        sum += byte;
      } else if (byte != (sum & 0xFF)) {
        return ::testing::AssertionFailure() << "check byte " << byte << ", expected " << (sum & 0xFF);
      }
    }
    const ULONGLONG Second = 10000000;
    if (time + 2 * Second < startTime || time > now()) {
      return ::testing::AssertionFailure() << "Modified " << time << " is not a time of this test";
    }
    return ::testing::AssertionSuccess();
  }

  TempFolder profiles;
  FreshFavoritesFolder freshFavorites;
  const std::string favorites = freshFavorites.path();
  std::set<std::string> userFolderBefore;
  std::set<std::string> usersBefore;
  ULONGLONG startTime = 0;
};

TEST_F(ImportTest, ALoneProfileGoesStraightIntoTheDestination) {
  std::map<std::string, DWORD> counts = writeSamples();
  WizardSession session(profiles.path());
  HWND page = toProfilePage(session);
  ASSERT_NE(page, nullptr);
  std::vector<std::string> lines = linesAllSelected(page);
  std::set<std::string> expectedLines;
  for (const SampleProfile& sample : sampleProfiles()) {
    expectedLines.insert(lineOf(sample.profile.screenName, sample.fileName));
  }
  EXPECT_EQ(std::set<std::string>(lines.begin(), lines.end()), expectedLines);
  deselect(page, {"KidsZone42", "Travel Desk"});

  page = toImportingPage(session, "AOL Favorite Places");
  expectDone(session, page, static_cast<int>(counts["Jo Smith"]));
  finish(session);

  Expected expected;
  expectProfile(sample("Jo Smith"), "AOL Favorite Places\\", expected);
  expectWritten(expected);
}

TEST_F(ImportTest, SeveralProfilesFollowASelectionNarrowedAfterGoingBack) {
  std::map<std::string, DWORD> counts = writeSamples();
  WizardSession session(profiles.path());
  HWND page = toProfilePage(session);
  ASSERT_NE(page, nullptr);
  deselect(page, {"Jo Smith"});
  ASSERT_NE(session.next(IDD_DESTINATION), nullptr);
  // Shown again, the page lists every profile selected again.
  page = session.back(IDD_PROFILES);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(linesAllSelected(page).size(), 3u);
  deselect(page, {"Travel Desk"});

  page = toImportingPage(session, "AOL Favorite Places");
  expectDone(session, page, static_cast<int>(counts["Jo Smith"] + counts["KidsZone42"]));
  finish(session);

  Expected expected;
  expectProfile(sample("Jo Smith"), "AOL Favorite Places\\Jo Smith\\", expected);
  expectProfile(sample("KidsZone42"), "AOL Favorite Places\\KidsZone42\\", expected);
  expectWritten(expected);
}

TEST_F(ImportTest, ProfilesOfOneScreenNameShareItsFolder) {
  Profile first{"Jo Smith", {favoritePlaces({favorite("Home", "http://home.example.com/")})}};
  Profile second{"Jo Smith", {favoritePlaces({folder("Work", {favorite("Intranet", "http://work.example.com/")})})}};
  DWORD total = writeProfile("josmith", first) + writeProfile("josmith-old", second) +
                writeProfile("kidszone42", sample("KidsZone42"));
  WizardSession session(profiles.path());
  HWND page = toProfilePage(session);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(linesAllSelected(page).size(), 3u);
  page = toImportingPage(session, "AOL Favorite Places");
  expectDone(session, page, static_cast<int>(total));
  finish(session);

  Expected expected;
  expectProfile(first, "AOL Favorite Places\\Jo Smith\\", expected);
  expectProfile(second, "AOL Favorite Places\\Jo Smith\\", expected);
  expectProfile(sample("KidsZone42"), "AOL Favorite Places\\KidsZone42\\", expected);
  expectWritten(expected);
}

TEST_F(ImportTest, ATypedDestinationBecomesEscapedNestedFolders) {
  std::map<std::string, DWORD> counts = writeSamples();
  WizardSession session(profiles.path());
  HWND page = toProfilePage(session);
  ASSERT_NE(page, nullptr);
  deselect(page, {"Jo Smith", "KidsZone42"});
  page = toImportingPage(session, "AOL: Now?\\Today");
  expectDone(session, page, static_cast<int>(counts["Travel Desk"]));
  finish(session);

  Expected expected;
  expectProfile(sample("Travel Desk"), "AOL%; Now%~\\Today\\", expected);
  expectWritten(expected);
}

TEST_F(ImportTest, AnEmptyDestinationImportsStraightIntoFavorites) {
  std::map<std::string, DWORD> counts = writeSamples();
  WizardSession session(profiles.path());
  HWND page = toProfilePage(session);
  ASSERT_NE(page, nullptr);
  deselect(page, {"Jo Smith", "Travel Desk"});
  page = toImportingPage(session, "");
  expectDone(session, page, static_cast<int>(counts["KidsZone42"]));
  finish(session);

  Expected expected;
  expectProfile(sample("KidsZone42"), "", expected);
  expectWritten(expected);
}

TEST_F(ImportTest, WithNoProfileSelectedOnlyTheDestinationIsMade) {
  writeSamples();
  WizardSession session(profiles.path());
  HWND page = toProfilePage(session);
  ASSERT_NE(page, nullptr);
  deselect(page, {"Jo Smith", "KidsZone42", "Travel Desk"});
  page = toImportingPage(session, "AOL Favorite Places");
  expectDone(session, page, 0);
  finish(session);
  expectWritten({{"AOL Favorite Places\\", ""}});
}

TEST_F(ImportTest, HostileNamesWriteNothingOutsideFavorites) {
  Profile escaping = sample("KidsZone42");
  escaping.screenName = "..\\..\\..\\Escaped";
  Profile rooted = sample("Jo Smith");
  rooted.screenName = "C:\\users\\Escaped";
  DWORD total = writeProfile("escaping", escaping) + writeProfile("rooted", rooted);
  WizardSession session(profiles.path());
  HWND page = toProfilePage(session);
  ASSERT_NE(page, nullptr);
  page = toImportingPage(session, "..\\Outside");
  expectDone(session, page, static_cast<int>(total));
  finish(session);

  Expected expected;
  expectProfile(escaping, "..%\\Outside\\..%\\..%\\..%\\Escaped\\", expected);
  expectProfile(rooted, "..%\\Outside\\C%;\\users\\Escaped\\", expected);
  expectWritten(expected);
}

TEST_F(ImportTest, TheBarEndsExactlyAtATotalAboveSixteenBits) {
  // The mail folder's items are counted but not walked: the import is
  // quick, and only the positions set after the profile reach the end.
  std::vector<Item> mail(70000, favorite("Message", "mailbox://1"));
  Profile big{"Big Mailbox", {favoritePlaces({favorite("Only", "http://only.example.com/")}),
                              topFolder("Mail", MailKind, std::move(mail))}};
  DWORD total = writeProfile("bigmailbox", big);
  ASSERT_GT(total, 70000u);
  WizardSession session(profiles.path());
  ASSERT_NE(toProfilePage(session), nullptr);
  HWND page = toImportingPage(session, "AOL Favorite Places");
  expectDone(session, page, static_cast<int>(total));
  finish(session);
  expectWritten({{"AOL Favorite Places\\", ""}, {"AOL Favorite Places\\Only.url", "http://only.example.com/"}});
}

TEST_F(ImportTest, AProfileGoneBeforeTheImportEndsTheProgramAfterMessageFour) {
  writeSamples();
  WizardSession session(profiles.path());
  HWND page = toProfilePage(session);
  ASSERT_NE(page, nullptr);
  deselect(page, {"Travel Desk"});
  ASSERT_NE(session.next(IDD_DESTINATION), nullptr);
  ASSERT_TRUE(DeleteFileA((profiles / "kidszone42").c_str())) << "error " << GetLastError();
  ASSERT_NE(session.next(IDD_IMPORTING), nullptr);

  HWND box = session.waitForMessageBox();
  ASSERT_NE(box, nullptr);
  // The profile file cannot be opened: the system's text of the failure,
  // and OK only.
  session.expectMessage(box, programMessage(4, systemText(ERROR_FILE_NOT_FOUND)), {IDOK});
  ASSERT_TRUE(answerMessageBox(box, IDOK));
  session.expectExitCodeZero();

  // What was written before stays: the profile folders made so far, and
  // the profile imported before the missing one, if it came first.
  Expected expected = {{"AOL Favorite Places\\", ""}, {"AOL Favorite Places\\KidsZone42\\", ""}};
  if (filesBelow(favorites).count("AOL Favorite Places\\Jo Smith\\") == 1) {
    expectProfile(sample("Jo Smith"), "AOL Favorite Places\\Jo Smith\\", expected);
  }
  expectWritten(expected);
}

TEST_F(ImportTest, CancelDuringTheImportEndsTheProgramAndKeepsWhatWasWritten) {
  std::vector<Item> many;
  // Far more than can be written before Cancel is pressed.
  for (int i = 0; i < 20000; ++i) many.push_back(favorite("Page " + std::to_string(i), "http://example.com/"));
  writeProfile("many", Profile{"Many", {favoritePlaces(std::move(many))}});
  WizardSession session(profiles.path());
  ASSERT_NE(toProfilePage(session), nullptr);
  HWND page = toImportingPage(session, "AOL Favorite Places");
  ASSERT_NE(page, nullptr);
  HWND bar = GetDlgItem(page, IDC_PROGRESS);
  ASSERT_TRUE(waitFor([&] { return progressPosition(bar) > 0; })) << "the import did not start";
  EXPECT_FALSE(buttonEnabled(session.sheet, SheetFinishButton)) << "the import was over before Cancel";
  session.cancel();

  std::map<std::string, std::string> files = filesBelow(favorites + "\\AOL Favorite Places");
  EXPECT_GT(files.size(), 0u) << "nothing was kept";
  EXPECT_LT(files.size(), 20000u) << "the import went on after Cancel";
}

}  // namespace
