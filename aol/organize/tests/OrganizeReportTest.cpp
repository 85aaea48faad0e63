// The report of a walk: what it could not read, by cause, and what it is
// known to have left out. The walk itself is the same with or without
// damage (OrganizeFileTest, OrganizeBoundsTest); here only its report is.
#include "aol/organize/FavoritePlaces.h"
#include "aol/organize/MemorySource.h"
#include "aol/organize/tests/GrammarSink.h"
#include "aol/organize/tests/HostileFiles.h"
#include "tests/builder/OrganizeBuilder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace builder;
using namespace hostile;

namespace {

const std::uint32_t MiB = 1024 * 1024;

struct Read {
  organize::ReadReport report;
  unsigned long long favorites;
  unsigned long long folders;
};

Read walk(organize::ByteSource& source) {
  GrammarSink sink;
  organize::ReadReport report = organize::readFavoritePlaces(source, sink);
  EXPECT_EQ(sink.fault(), "");
  return Read{report, sink.favorites(), sink.folders()};
}

Read walk(const std::string& bytes) {
  organize::MemorySource source(bytes.data(), bytes.size());
  return walk(source);
}

// A file that ends sooner than its size said: shortened while it is read.
class ShortenedSource : public organize::ByteSource {
public:
  ShortenedSource(const std::string& bytes, std::size_t left) : bytes_(bytes), left_(left) {}
  ULONGLONG size() const override { return bytes_.size(); }
  bool read(DWORD offset, void* buffer, DWORD count) override {
    if (static_cast<ULONGLONG>(offset) + count > left_) return false;
    std::memcpy(buffer, bytes_.data() + offset, count);
    return true;
  }

private:
  const std::string& bytes_;
  std::size_t left_;
};

Profile manyFavorites(int count) {
  std::vector<Item> favorites;
  for (int i = 0; i < count; ++i) favorites.push_back(favorite("F" + std::to_string(i), "http://f.example/"));
  return Profile{"Jo", {favoritePlaces({folder("Inside", {favorite("In", "http://in/")}), folder("Kept", favorites)})}};
}

}  // namespace

TEST(OrganizeReportTest, WhatLiesPastTheEndIsCounted) {
  OrganizeFile whole(manyFavorites(200));
  std::string half = whole.bytes().substr(0, whole.bytes().size() / 2);
  Read cut = walk(half);
  EXPECT_LT(cut.favorites, 200u);
  EXPECT_TRUE(cut.report.damaged());
  EXPECT_GE(cut.report.pastEnd, 1u);
  // The index lies in the first half and names every record of the second.
  std::uint32_t beyond = 0;
  for (std::uint32_t number = 1; number <= whole.recordCount(); ++number) {
    if (whole.recordOffset(number) + 8 > half.size()) ++beyond;
  }
  EXPECT_GT(beyond, 150u);
  EXPECT_EQ(cut.report.recordsBeyondEnd, beyond);

  ShortenedSource shortened(whole.bytes(), whole.bytes().size() / 2);
  Read whileRead = walk(shortened);
  EXPECT_EQ(whileRead.favorites, cut.favorites);
  EXPECT_EQ(whileRead.report.pastEnd, cut.report.pastEnd);

  // A URL record whose length runs past the end loses its favourite only.
  OrganizeFile longUrl = whole;
  longUrl.setRecordLength(whole.urlRecordOf({"Favorite Places", "Kept", "F7"}), 0x10000);
  Read url = walk(longUrl.bytes());
  EXPECT_EQ(url.favorites, 200u);
  EXPECT_EQ(url.report.pastEnd, 1u);
  EXPECT_EQ(url.report.favoritesLeftOut, 1u);

  // A profile whose index can no longer be found.
  Read noIndex = walk(whole.bytes().substr(0, 30));
  EXPECT_EQ(noIndex.favorites, 0u);
  EXPECT_EQ(noIndex.report.pastEnd, 1u);
}

TEST(OrganizeReportTest, BrokenRecordsCyclesAndBoundsAreCounted) {
  OrganizeFile whole(manyFavorites(3));
  OrganizeFile cycle = whole;
  cycle.setTrailer(whole.numberOf({"Favorite Places", "Kept", "F2"}), Trailer::NextSibling,
                   whole.numberOf({"Favorite Places", "Kept"}));
  Read cycled = walk(cycle.bytes());
  EXPECT_EQ(cycled.favorites, 4u);
  EXPECT_EQ(cycled.report.cyclesCut, 1u);
  EXPECT_EQ(cycled.report.favoritesLeftOut, 0u);

  OrganizeFile noEntry = whole;
  noEntry.setTrailer(whole.numberOf({"Favorite Places", "Kept", "F0"}), Trailer::UrlRecord, 999);
  Read broken = walk(noEntry.bytes());
  EXPECT_EQ(broken.report.broken, 1u);
  EXPECT_EQ(broken.report.favoritesLeftOut, 1u);

  // Items at depths 2 to 1024 are walked; the 77 folders below and their
  // favourite are counted, not walked.
  Read deep = walk(deepNesting(1100));
  EXPECT_EQ(deep.folders, 1023u);
  EXPECT_EQ(deep.report.nestingCut, 1u);
  EXPECT_EQ(deep.report.foldersLeftOut, 77u);
  EXPECT_EQ(deep.report.favoritesLeftOut, 1u);

  // A chain below the limit that leads back to the walked folders is a
  // cycle: what was walked is not counted again.
  std::string loop = deepNesting(1100);
  std::string last = item("d", 0, 0, 1103);
  loop.replace(loop.find(last), last.size(), item("d", 0, 0, 3));
  Read looped = walk(loop);
  EXPECT_EQ(looped.report.foldersLeftOut, 77u);
  EXPECT_EQ(looped.report.favoritesLeftOut, 0u);
  EXPECT_EQ(looped.report.cyclesCut, 1u);

  EXPECT_EQ(walk(longestIndex(100)).report.indexEntriesCut, 2u);  // the two entries past 16 MiB

  IndexedFile longUrl = withFavoritesFolder(4);
  longUrl.add(3, item("long", 4, 0, 0));
  longUrl.add(4, std::string(MiB, 'u') + '\0');
  Read tooLong = walk(longUrl.bytes());
  EXPECT_EQ(tooLong.report.tooLong, 1u);
  EXPECT_EQ(tooLong.report.favoritesLeftOut, 1u);

  // 100,000 favourites share a URL record of 1 MiB: the budget stops the
  // reads of most URLs, then of the items.
  Read shared = walk(sharedUrl(100000, MiB - 1));
  EXPECT_GT(shared.report.overBudget, 0u);
  EXPECT_GT(shared.report.favoritesLeftOut, 0u);
}
