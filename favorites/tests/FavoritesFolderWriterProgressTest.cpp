// How the writer moves the progress bar, watched through the stand-in's
// clock and bar: every record read is counted, and the count reaches the
// bar by PBM_DELTAPOS once a frame's time has passed since the last update
// and when the writer ends; a writer without a bar reads no clock.
#include "favorites/FavoritesFolderWriter.h"
#include "favorites/ForwardingSink.h"

#include "aol/organize/FavoritePlaces.h"
#include "standin.h"
#include "tests/builder/LargeProfile.h"
#include "tests/support/ProgressBar.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace builder;

namespace {

// Passes everything on to the writer, and lets `stepTicks` milliseconds of
// the held clock pass before each record.
class ClockedSink : public ForwardingSink {
public:
  ClockedSink(FavoritesSink& writer, DWORD startTicks, DWORD stepTicks)
      : ForwardingSink(writer), ticks_(startTicks), stepTicks_(stepTicks) {}

  void advance() override {
    ticks_ += stepTicks_;
    standin::holdTickCount(ticks_);
    next_.advance();
  }

private:
  DWORD ticks_;
  DWORD stepTicks_;
};

class FavoritesFolderWriterProgressTest : public ::testing::Test {
protected:
  void SetUp() override {
    // Every record of the profile is read: it has no other top folder.
    OrganizeFile file(largeProfile(500));
    file.save(source / "profile");
    records = file.recordCount();
  }
  void TearDown() override { standin::releaseTickCount(); }

  std::vector<standin::ProgressMove> moves() const { return standin::progressMoves(bar.window()); }

  TempFolder source;
  TempFolder destination;
  ProgressBar bar;
  DWORD records = 0;
};

}  // namespace

TEST_F(FavoritesFolderWriterProgressTest, WithNoTimePassingOnlyTheEndMovesTheBar) {
  standin::holdTickCount(5000);
  {
    FavoritesFolderWriter writer(destination.path().c_str(), bar.window());
    readFavoritePlaces((source / "profile").c_str(), writer);
    EXPECT_TRUE(moves().empty()) << "the bar moved before the writer ended";
  }
  ASSERT_EQ(moves().size(), 1u);
  EXPECT_EQ(moves()[0].message, UINT{PBM_DELTAPOS});
  EXPECT_EQ(moves()[0].wParam, WPARAM{records});
  EXPECT_EQ(bar.position(), static_cast<int>(records));
}

TEST_F(FavoritesFolderWriterProgressTest, EachFrameOfTimeHandsTheBarWhatWasCounted) {
  // Half an interval before each record: every second record reaches the
  // interval exactly. The held clock wraps on the way.
  const DWORD step = FavoritesFolderWriter::ProgressInterval / 2;
  const DWORD start = 0xFFFFFFFFu - 100 * step;
  standin::holdTickCount(start);
  {
    FavoritesFolderWriter writer(destination.path().c_str(), bar.window());
    ClockedSink clocked(writer, start, step);
    readFavoritePlaces((source / "profile").c_str(), clocked);
  }
  std::vector<standin::ProgressMove> got = moves();
  ASSERT_EQ(got.size(), (records + 1) / 2);
  WPARAM sum = 0;
  for (std::size_t i = 0; i < got.size(); ++i) {
    EXPECT_EQ(got[i].message, UINT{PBM_DELTAPOS}) << "move " << i;
    EXPECT_EQ(got[i].wParam, i + 1 < got.size() || records % 2 == 0 ? WPARAM{2} : WPARAM{1}) << "move " << i;
    sum += got[i].wParam;
  }
  EXPECT_EQ(sum, WPARAM{records});
  EXPECT_EQ(bar.position(), static_cast<int>(records));
}

TEST_F(FavoritesFolderWriterProgressTest, WithoutABarNoClockIsRead) {
  unsigned before = standin::tickCountReads();
  {
    FavoritesFolderWriter writer(destination.path().c_str(), nullptr);
    readFavoritePlaces((source / "profile").c_str(), writer);
  }
  EXPECT_EQ(standin::tickCountReads(), before);
  EXPECT_FALSE(destination.tree().empty()) << "nothing was written";
}
