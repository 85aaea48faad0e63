#include "app/ProfileImport.h"
#include "app/tests/ProfileRows.h"

#include "support/Errors.h"
#include "tests/builder/OrganizeBuilder.h"
#include "tests/support/ProgressBar.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace builder;

namespace {

const std::uint8_t MailKind = 0x10;

Profile joSmith() {
  return Profile{"Jo Smith", {favoritePlaces({folder("News", {favorite("Headlines", "http://news.example.com/")}),
                                              favorite("Recipes", "http://food.example.com/")})}};
}

Profile kidsZone() { return Profile{"KidsZone42", {favoritePlaces({favorite("Puzzles", "http://games.example.com/")})}}; }

// A profile whose favourites are few but whose item count is large: the
// items of its mail folder are counted, not walked.
Profile bigMailbox(const std::string& screenName, int mailItems) {
  std::vector<Item> mail(mailItems, favorite("Message", "mailbox://x"));
  return Profile{screenName, {favoritePlaces({favorite("Only", "http://only.example.com/")}),
                              topFolder("Mail", MailKind, std::move(mail))}};
}

// The shortcut file of `url`: its lines, with a Modified time of 18
// hexadecimal digits.
::testing::AssertionResult isShortcut(const std::string& bytes, const std::string& url) {
  std::string head = "[InternetShortcut]\r\nURL=" + url + "\r\nModified=";
  if (bytes.compare(0, head.size(), head) != 0 || bytes.size() != head.size() + 20 ||
      bytes.substr(bytes.size() - 2) != "\r\n" ||
      bytes.find_first_not_of("0123456789ABCDEF", head.size()) != bytes.size() - 2) {
    return ::testing::AssertionFailure() << "the file holds " << ::testing::PrintToString(bytes)
                                         << ", not the shortcut to " << url;
  }
  return ::testing::AssertionSuccess();
}

class ProfileImportTest : public ::testing::Test {
protected:
  void SetUp() override { home.makeDirectory("Favorites"); }
  void TearDown() override { releaseProfiles(table); }

  // Writes the profile's organize file and adds its row as discovery
  // would, selected or not as the profile page would leave it.
  void addProfile(const Profile& profile, bool selected = true) {
    std::string path = profiles / ("profile" + std::to_string(table.profileCount));
    OrganizeFile(profile).save(path);
    ASSERT_GT(addProfileRow(table, path, selected), 0u) << path << " is no profile";
  }

  void import(const std::string& destinationName) {
    importSelectedProfiles(table, destinationName.c_str(), (home / "Favorites").c_str(), bar.window());
  }

  // What each profile writes below `folder` ("Favorites\...\"), as
  // TempFolder::tree() lists it.
  static std::vector<std::string> joSmithIn(const std::string& folder) {
    return {folder + "News\\", folder + "News\\Headlines.url", folder + "Recipes.url"};
  }
  static std::vector<std::string> kidsZoneIn(const std::string& folder) { return {folder + "Puzzles.url"}; }

  static std::vector<std::string> sorted(std::vector<std::string> entries) {
    std::sort(entries.begin(), entries.end());
    return entries;
  }

  TempFolder profiles;
  TempFolder home;  // holds the Favorites folder: nothing may appear beside it
  ProfileTable table = {};
  ProgressBar bar;
};

TEST_F(ProfileImportTest, ALoneProfileGoesStraightIntoTheDestination) {
  addProfile(joSmith());
  addProfile(kidsZone(), false);
  import("AOL Favorite Places");
  std::vector<std::string> expected = {"Favorites\\", "Favorites\\AOL Favorite Places\\"};
  for (const std::string& entry : joSmithIn("Favorites\\AOL Favorite Places\\")) expected.push_back(entry);
  EXPECT_EQ(home.tree(), sorted(expected));
  EXPECT_TRUE(isShortcut(home.read("Favorites\\AOL Favorite Places\\News\\Headlines.url"), "http://news.example.com/"));
  EXPECT_TRUE(isShortcut(home.read("Favorites\\AOL Favorite Places\\Recipes.url"), "http://food.example.com/"));
  EXPECT_EQ(bar.position(), table.totalItemCount);
}

TEST_F(ProfileImportTest, SeveralProfilesGetAFolderEachNamedAfterTheScreenName) {
  addProfile(joSmith());
  addProfile(bigMailbox("Not Chosen", 3), false);
  addProfile(kidsZone());
  import("AOL Favorite Places");
  std::vector<std::string> expected = {"Favorites\\", "Favorites\\AOL Favorite Places\\",
                                       "Favorites\\AOL Favorite Places\\Jo Smith\\",
                                       "Favorites\\AOL Favorite Places\\KidsZone42\\"};
  for (const std::string& entry : joSmithIn("Favorites\\AOL Favorite Places\\Jo Smith\\")) expected.push_back(entry);
  for (const std::string& entry : kidsZoneIn("Favorites\\AOL Favorite Places\\KidsZone42\\")) {
    expected.push_back(entry);
  }
  EXPECT_EQ(home.tree(), sorted(expected));
  EXPECT_TRUE(isShortcut(home.read("Favorites\\AOL Favorite Places\\KidsZone42\\Puzzles.url"),
                         "http://games.example.com/"));
  EXPECT_EQ(bar.position(), table.totalItemCount);
}

TEST_F(ProfileImportTest, ScreenNamesThatMakeTheSameFolderShareIt) {
  addProfile(joSmith());
  Profile other = kidsZone();
  other.screenName = "Jo Smith\\";
  addProfile(other);
  import("Shared");
  std::vector<std::string> expected = {"Favorites\\", "Favorites\\Shared\\", "Favorites\\Shared\\Jo Smith\\"};
  for (const std::string& entry : joSmithIn("Favorites\\Shared\\Jo Smith\\")) expected.push_back(entry);
  for (const std::string& entry : kidsZoneIn("Favorites\\Shared\\Jo Smith\\")) expected.push_back(entry);
  EXPECT_EQ(home.tree(), sorted(expected));
}

TEST_F(ProfileImportTest, ATypedDestinationIsEscapedAndNestedFoldersAreAllMade) {
  addProfile(kidsZone());
  import("AOL: Now?\\Imported\\Today");
  EXPECT_EQ(home.tree(), sorted({"Favorites\\", "Favorites\\AOL%; Now%~\\", "Favorites\\AOL%; Now%~\\Imported\\",
                                 "Favorites\\AOL%; Now%~\\Imported\\Today\\",
                                 "Favorites\\AOL%; Now%~\\Imported\\Today\\Puzzles.url"}));
}

TEST_F(ProfileImportTest, AnEmptyDestinationIsTheFavoritesFolderItself) {
  addProfile(joSmith());
  import("");
  std::vector<std::string> expected = {"Favorites\\"};
  for (const std::string& entry : joSmithIn("Favorites\\")) expected.push_back(entry);
  EXPECT_EQ(home.tree(), sorted(expected));
}

TEST_F(ProfileImportTest, WithoutSelectionOnlyTheDestinationIsMade) {
  addProfile(joSmith(), false);
  addProfile(kidsZone(), false);
  import("AOL\\Favorite Places");
  EXPECT_EQ(home.tree(), sorted({"Favorites\\", "Favorites\\AOL\\", "Favorites\\AOL\\Favorite Places\\"}));
  EXPECT_EQ(bar.position(), 0);
}

TEST_F(ProfileImportTest, NothingIsWrittenOutsideTheFavoritesFolder) {
  for (const char* hostile : {"..\\..\\Escaped", "C:\\Escaped", "\\\\server\\share", "\\Rooted", "CON", "."}) {
    Profile profile = kidsZone();
    profile.screenName = hostile;
    addProfile(profile);
  }
  import("..\\..");
  std::vector<std::string> expected = {"Favorites\\", "Favorites\\..%\\", "Favorites\\..%\\..%\\"};
  for (const char* folder : {"..%\\", "..%\\..%\\", "..%\\..%\\Escaped\\", "C%;\\", "C%;\\Escaped\\", "server\\",
                             "server\\share\\", "Rooted\\", "CON%\\", ".%\\"}) {
    expected.push_back(std::string("Favorites\\..%\\..%\\") + folder);
  }
  for (const char* folder : {"..%\\..%\\Escaped\\", "C%;\\Escaped\\", "server\\share\\", "Rooted\\", "CON%\\", ".%\\"}) {
    for (const std::string& entry : kidsZoneIn(std::string("Favorites\\..%\\..%\\") + folder)) {
      expected.push_back(entry);
    }
  }
  EXPECT_EQ(home.tree(), sorted(expected));
}

// A shortcut opens its URL when clicked: one that runs script is never
// made, whatever comes before its scheme.
TEST_F(ProfileImportTest, NoShortcutRunsScript) {
  std::vector<Item> favorites;
  for (const char* url : {"javascript:alert(1)", "\xA0javascript:alert(1)", "\xA0vbscript:msgbox(1)",
                          "\xA0" "data:text/html,x", "\xE3\x80\x80javascript:alert(1)", "\xEF\xBB\xBFjavascript:x",
                          " Java\tScript:x", "\x01" "data:x"}) {
    favorites.push_back(favorite("Script", url));
  }
  favorites.push_back(folder("Only scripts", {favorite("Run", "\xA0javascript:void(0)")}));
  favorites.push_back(favorite("Kept", "http://kept.example/javascript:x"));
  addProfile(Profile{"Hostile", {favoritePlaces(favorites)}});
  import("AOL");
  EXPECT_EQ(home.tree(), (std::vector<std::string>{"Favorites\\", "Favorites\\AOL\\", "Favorites\\AOL\\Kept.url",
                                                   "Favorites\\AOL\\Only scripts\\"}));
  EXPECT_TRUE(isShortcut(home.read("Favorites\\AOL\\Kept.url"), "http://kept.example/javascript:x"));
}

TEST_F(ProfileImportTest, AScreenNameWithoutAFolderNameGetsAnUntitledFolder) {
  Profile unnamed = kidsZone();
  unnamed.screenName = "\\";
  addProfile(unnamed);
  addProfile(joSmith());
  import("Dest");
  std::vector<std::string> expected = {"Favorites\\", "Favorites\\Dest\\", "Favorites\\Dest\\%\\",
                                       "Favorites\\Dest\\Jo Smith\\"};
  for (const std::string& entry : kidsZoneIn("Favorites\\Dest\\%\\")) expected.push_back(entry);
  for (const std::string& entry : joSmithIn("Favorites\\Dest\\Jo Smith\\")) expected.push_back(entry);
  EXPECT_EQ(home.tree(), sorted(expected));
}

TEST_F(ProfileImportTest, NamesTooLongForAFolderAreRefusedNotCut) {
  Profile longName = kidsZone();
  longName.screenName = std::string(300, 'n');
  addProfile(longName);
  addProfile(joSmith());
  import("Dest");
  std::vector<std::string> expected = {"Favorites\\", "Favorites\\Dest\\", "Favorites\\Dest\\Jo Smith\\"};
  for (const std::string& entry : joSmithIn("Favorites\\Dest\\Jo Smith\\")) expected.push_back(entry);
  EXPECT_EQ(home.tree(), sorted(expected));
  EXPECT_EQ(bar.position(), table.totalItemCount);

  // Escaped, 130 question marks make 260 characters: no destination at all.
  import(std::string(130, '?'));
  EXPECT_EQ(home.tree(), sorted(expected));
  EXPECT_EQ(bar.position(), table.totalItemCount);
}

TEST_F(ProfileImportTest, TheBarEndsEachProfileAtTheSumOfItemCounts) {
  // Few favourites but many counted items: without the positions of the
  // import the bar would stay near the start.
  addProfile(bigMailbox("First", 500));
  addProfile(bigMailbox("Second", 70000));
  ASSERT_GT(table.totalItemCount, 70000);
  import("Dest");
  EXPECT_EQ(bar.position(), table.totalItemCount);
  EXPECT_TRUE(isShortcut(home.read("Favorites\\Dest\\Second\\Only.url"), "http://only.example.com/"));
}

TEST_F(ProfileImportTest, AProfileGoneSinceDiscoveryStopsTheImportAfterTheOnesBefore) {
  addProfile(bigMailbox("First", 40));
  addProfile(bigMailbox("Second", 40));
  addProfile(joSmith());
  ASSERT_TRUE(DeleteFileA(table.entries[1].profilePath)) << "error " << GetLastError();
  EXPECT_THROW(import("Dest"), mirrex::BaseError);
  EXPECT_EQ(bar.position(), static_cast<int>(table.entries[0].itemCount));
  EXPECT_EQ(home.tree(), sorted({"Favorites\\", "Favorites\\Dest\\", "Favorites\\Dest\\First\\",
                                 "Favorites\\Dest\\First\\Only.url", "Favorites\\Dest\\Second\\"}));
}

TEST_F(ProfileImportTest, WorksWithoutAProgressBar) {
  addProfile(kidsZone());
  importSelectedProfiles(table, "Dest", (home / "Favorites").c_str(), nullptr);
  EXPECT_EQ(home.tree(), sorted({"Favorites\\", "Favorites\\Dest\\", "Favorites\\Dest\\Puzzles.url"}));
}

}  // namespace
