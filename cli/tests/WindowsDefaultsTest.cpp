// On Windows: import writes below the Favorites folder unless --to says
// otherwise, and a profile another program holds locked is unreadable.
#include "cli/tests/CliFixture.h"
#include "tests/gui/WizardSession.h"

#include <windows.h>

using namespace builder;

namespace {

Profile profile(const std::string& screenName, const std::string& title) {
  return Profile{screenName, {favoritePlaces({folder("F", {favorite(title, "http://" + title + ".example/")})})}};
}

class WindowsCli : public CliTest {
 protected:
  void SetUp() override {
    work.makeDirectory("organize");
    saveProfile("organize\\ann", profile("Ann", "a"));
    saveProfile("organize\\bob", profile("Bob", "b"));
  }
};

}  // namespace

TEST_F(WindowsCli, ImportGoesBelowFavoritesAsTheWizardPutsIt) {
  FreshFavoritesFolder favorites;
  CliRun all = run({"import", "organize"});
  EXPECT_EQ(all.exitCode, 0) << all.err;
  CliRun mine = run({"import", "organize", "--profile", "Bob", "--folder", "Mine"});
  EXPECT_EQ(mine.exitCode, 0) << mine.err;
  std::vector<std::string> names;
  for (const auto& entry : filesBelow(favorites.path())) names.push_back(entry.first);
  EXPECT_EQ(names,
            (std::vector<std::string>{"AOL Favorite Places\\", "AOL Favorite Places\\Ann\\",
                                      "AOL Favorite Places\\Ann\\F\\", "AOL Favorite Places\\Ann\\F\\a.url",
                                      "AOL Favorite Places\\Bob\\", "AOL Favorite Places\\Bob\\F\\",
                                      "AOL Favorite Places\\Bob\\F\\b.url", "Mine\\", "Mine\\F\\", "Mine\\F\\b.url"}));
}

TEST_F(WindowsCli, AProfileHeldLockedIsUnreadableAndTheOthersAreWritten) {
  HANDLE locked = CreateFileA((work / "organize\\bob").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  CliRun exported = run({"export", "organize"});
  CloseHandle(locked);
  EXPECT_EQ(exported.exitCode, 1);
  EXPECT_TRUE(contains(exported.err, "placemove-cli: cannot read '")) << exported.err;
  EXPECT_TRUE(contains(exported.err, "Profiles read: 1")) << exported.err;
  EXPECT_TRUE(contains(exported.err, "Skipped, unreadable profile: 1")) << exported.err;
  std::string file = work.read("bookmarks.html");
  EXPECT_TRUE(contains(file, "http://a.example/"));
  EXPECT_FALSE(contains(file, "http://b.example/"));
}
