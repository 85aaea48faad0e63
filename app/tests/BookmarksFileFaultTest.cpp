// Saving a bookmarks file as the wizard's worker does, with its failures
// provoked through the test stand-in: whatever fails, the old file stays as
// it was, no part of the new one is left and no handle stays open. (The
// GUI tests save it whole.)
#include "app/BookmarksFile.h"
#include "app/tests/ProfileRows.h"

#include "standin.h"
#include "support/Errors.h"
#include "tests/builder/OrganizeBuilder.h"
#include "tests/support/ProgressBar.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace builder;

namespace {

const char OldFile[] = "<!-- a file of the user's -->\n";

class BookmarksFileFaultTest : public ::testing::Test {
protected:
  void SetUp() override {
    for (const Profile& profile :
         {Profile{"Jo Smith", {favoritePlaces({folder("News", {favorite("Headlines", "http://news.example.com/")}),
                                               favorite("Recipes", "aol://1722:recipes")})}},
          Profile{"KidsZone42", {favoritePlaces({favorite("Puzzles", "http://games.example.com/")})}}}) {
      std::string path = profiles / profile.screenName;
      OrganizeFile(profile).save(path);
      addProfileRow(table, path);
    }
    target.write("bookmarks.html", OldFile);
  }
  void TearDown() override {
    standin::clearFaults();
    releaseProfiles(table);
  }

  BookmarkCounts save() {
    return saveBookmarksFile(table, "AOL Favorite Places", (target / "bookmarks.html").c_str(), true, bar.window());
  }

  TempFolder profiles;
  TempFolder target;
  ProgressBar bar;
  ProfileTable table = {};
};

TEST_F(BookmarksFileFaultTest, AFailureLeavesTheOldFileAndNoPartOfTheNew) {
  // The file beside the target is made before any profile is read, and
  // written at its end in one go; it is closed after both profiles' files.
  struct Fault {
    standin::Call call;
    unsigned skip;
    DWORD event;  // of the FileError thrown
  };
  for (Fault fault : {Fault{standin::Call::CreateFile, 0, mirrex::EventCreateOutputFile},
                      Fault{standin::Call::WriteFile, 0, mirrex::EventWriteOutputFile},
                      Fault{standin::Call::CloseHandle, 2, mirrex::EventCloseOutputFile}}) {
    SCOPED_TRACE(static_cast<int>(fault.call));
    std::size_t handles = standin::openHandleCount();
    standin::injectFault(fault.call, fault.skip, ERROR_DISK_FULL);
    try {
      save();
      ADD_FAILURE() << "nothing was thrown";
    } catch (const mirrex::FileError& error) {
      EXPECT_EQ(error.eventId, fault.event);
    }
    standin::clearFaults();
    EXPECT_EQ(target.read("bookmarks.html"), OldFile);
    EXPECT_EQ(target.tree(), std::vector<std::string>{"bookmarks.html"});
    EXPECT_EQ(standin::openHandleCount(), handles);
  }
}

}  // namespace
