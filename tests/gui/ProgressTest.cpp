// The progress bar of the importing page during a long import under Wine:
// watched from outside while the import runs, it moves through several
// positions and ends exactly at the total when the completion text shows.
#include "aol/organize/ProfileCheck.h"
#include "app/Resources.h"
#include "tests/builder/LargeProfile.h"
#include "tests/gui/Controls.h"
#include "tests/gui/Sheet.h"
#include "tests/gui/Wait.h"
#include "tests/gui/WizardSession.h"
#include "tests/support/TempFolder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <set>

using namespace builder;

namespace {

// Enough favourites for an import of a few seconds under Wine.
const int Favorites = 4000;
// Longer than the import takes even with a step sent for every record.
const DWORD ImportTimeout = 120000;

TEST(ProgressTest, TheBarMovesThroughALongImportAndEndsAtTheTotal) {
  FreshFavoritesFolder favorites;
  TempFolder profiles;
  std::string profile = profiles / "bench";
  OrganizeFile(largeProfile(Favorites)).save(profile);
  char screenName[1024];
  int total = static_cast<int>(checkProfileFile(profile.c_str(), screenName, sizeof screenName));
  ASSERT_GT(total, 2 * Favorites);

  WizardSession session(profiles.path());
  ASSERT_NE(session.waitForPage(IDD_INTRODUCTION), nullptr);
  ASSERT_NE(session.next(IDD_AOL_DIRECTORY), nullptr);
  ASSERT_NE(session.next(IDD_PROFILES), nullptr);
  ASSERT_NE(session.next(IDD_DESTINATION), nullptr);
  ASSERT_TRUE(pressButton(session.sheet, PSBTN_NEXT));
  HWND page = nullptr;
  ASSERT_TRUE(waitFor([&] { return currentPageId(session.sheet) == IDD_IMPORTING && (page = session.page()); }));
  HWND bar = GetDlgItem(page, IDC_PROGRESS);
  HWND done = GetDlgItem(page, IDC_DONE_TEXT);

  // The positions seen strictly between the start and the total while the
  // completion text is hidden.
  std::set<int> seen;
  bool ended = waitFor(
      [&] {
        int position = progressPosition(bar);
        if (IsWindowVisible(done)) return true;
        if (position > 0 && position < total) seen.insert(position);
        return false;
      },
      ImportTimeout);
  ASSERT_TRUE(ended) << "the completion text did not show";
  EXPECT_GE(seen.size(), 5u) << "the bar hardly moved during the import";
  EXPECT_EQ(progressLow(bar), 0);
  EXPECT_EQ(progressHigh(bar), total);
  EXPECT_EQ(progressPosition(bar), total);
  session.savePage();
  ASSERT_TRUE(waitFor([&] { return buttonEnabled(session.sheet, SheetFinishButton); })) << "Finish was not offered";
  ASSERT_TRUE(pressButton(session.sheet, PSBTN_FINISH));
  session.expectExitCodeZero();
}

}  // namespace
