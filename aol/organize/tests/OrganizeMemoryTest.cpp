// The heap the organize-file readers hold, counted by the stand-in's
// LocalAlloc. Whatever the file, a reader holds at most its index (16 MiB),
// one bit for each record number the index can name (512 KiB), one item and
// one URL record (1 MiB each), and a few bytes more; where nesting is cut,
// a second set of bits and 256 KiB of chains to count: the ceiling tested
// is 20 MiB above what the program held before. The stack grows with the
// nesting, which is cut at 1024 levels.
#include "aol/organize/FavoritePlaces.h"
#include "aol/organize/FileSource.h"
#include "aol/organize/MemorySource.h"
#include "aol/organize/ProfileCheck.h"
#include "aol/organize/tests/GrammarSink.h"
#include "aol/organize/tests/HostileFiles.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>
#include <standin.h>

#include <functional>
#include <string>

using namespace hostile;

namespace {

const SIZE_T MiB = 1024 * 1024;
const SIZE_T Ceiling = 20 * MiB;

class OrganizeMemoryTest : public ::testing::Test {
protected:
  TempFolder temp;

  // The most heap held at once while `read` ran, less what was held before.
  static SIZE_T heldWhile(const std::function<void()>& read) {
    SIZE_T before = standin::localMemoryInUse();
    standin::resetLocalMemoryPeak();
    read();
    return standin::localMemoryPeak() - before;
  }

  static SIZE_T heldByCheck(organize::ByteSource& source) {
    return heldWhile([&source] {
      char name[1024];
      organize::checkProfileFile(source, name, sizeof name);
    });
  }

  static SIZE_T heldByWalk(organize::ByteSource& source) {
    GrammarSink sink;
    SIZE_T held = heldWhile([&] { organize::readFavoritePlaces(source, sink); });
    EXPECT_EQ(sink.fault(), "");
    return held;
  }
};

}  // namespace

TEST_F(OrganizeMemoryTest, AccountingSeesTheReadersBuffers) {
  // A favourite of two 1 MiB records below an index of 16 MiB: the walk
  // holds the largest buffers it ever takes, all at once; the check holds
  // the index and a small root.
  std::string bytes = longestIndex(static_cast<std::uint32_t>(MiB));
  organize::MemorySource source(bytes.data(), bytes.size());
  SIZE_T check = heldByCheck(source);
  EXPECT_GT(check, 16 * MiB);
  EXPECT_LE(check, Ceiling);
  SIZE_T walk = heldByWalk(source);
  EXPECT_GT(walk, 18 * MiB);
  EXPECT_LE(walk, Ceiling);
}

TEST_F(OrganizeMemoryTest, DeepNestingHoldsNoItemPerLevel) {
  std::string bytes = deepNesting(100000);
  organize::MemorySource source(bytes.data(), bytes.size());
  EXPECT_LE(heldByCheck(source), Ceiling);
  // Items are released before their children are walked: what stays is
  // the index of 400 KB and its walked bits.
  EXPECT_LE(heldByWalk(source), MiB);
}

TEST_F(OrganizeMemoryTest, SharedUrlRecordIsHeldOnceAtATime) {
  std::string bytes = sharedUrl(20000, static_cast<std::uint32_t>(MiB) - 1);
  organize::MemorySource source(bytes.data(), bytes.size());
  EXPECT_LE(heldByWalk(source), 2 * MiB);
}

TEST_F(OrganizeMemoryTest, FourGiBFileStaysUnderTheCeiling) {
  std::string path = temp / "sparse";
  writeSparseFile(path, {Piece{0, longestIndex(static_cast<std::uint32_t>(MiB))}}, 4ull * 1024 * MiB);
  organize::FileSource file(path.c_str());
  EXPECT_LE(heldByCheck(file), Ceiling);
  EXPECT_LE(heldByWalk(file), Ceiling);
}
