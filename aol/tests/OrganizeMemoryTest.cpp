// The heap the organize-file readers hold, counted by the stand-in's
// LocalAlloc. Whatever the file, a reader holds at most its index (16 MiB),
// one bit for each record number the index can name (512 KiB), one item and
// one URL record (1 MiB each), and a few bytes more: the ceiling tested is
// 20 MiB above what the program held before. The stack grows with the
// nesting, which is cut at 1024 levels.
#include "aol/OrganizeFile.h"

#include "GrammarSink.h"
#include "HostileFiles.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>
#include <standin.h>

#include <functional>
#include <string>

using namespace organize;

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

  static SIZE_T heldByCheck(const std::string& path) {
    return heldWhile([&path] {
      char name[1024];
      checkProfileFile(path.c_str(), name, sizeof name);
    });
  }

  static SIZE_T heldByWalk(const std::string& path) {
    GrammarSink sink;
    SIZE_T held = heldWhile([&] { readFavoritePlaces(path.c_str(), sink); });
    EXPECT_EQ(sink.fault(), "");
    return held;
  }

  std::string save(const std::string& bytes) {
    temp.write("profile", bytes);
    return temp / "profile";
  }
};

}  // namespace

TEST_F(OrganizeMemoryTest, AccountingSeesTheReadersBuffers) {
  // A favourite of two 1 MiB records below an index of 16 MiB: the walk
  // holds the largest buffers it ever takes, all at once; the check holds
  // the index and a small root.
  std::string path = save(longestIndex(static_cast<std::uint32_t>(MiB)));
  SIZE_T check = heldByCheck(path);
  EXPECT_GT(check, 16 * MiB);
  EXPECT_LE(check, Ceiling);
  SIZE_T walk = heldByWalk(path);
  EXPECT_GT(walk, 18 * MiB);
  EXPECT_LE(walk, Ceiling);
}

TEST_F(OrganizeMemoryTest, DeepNestingHoldsNoItemPerLevel) {
  std::string path = save(deepNesting(100000));
  EXPECT_LE(heldByCheck(path), Ceiling);
  // Items are released before their children are walked: what stays is
  // the index of 400 KB and its walked bits.
  EXPECT_LE(heldByWalk(path), MiB);
}

TEST_F(OrganizeMemoryTest, SharedUrlRecordIsHeldOnceAtATime) {
  std::string path = save(sharedUrl(20000, static_cast<std::uint32_t>(MiB) - 1));
  EXPECT_LE(heldByWalk(path), 2 * MiB);
}

TEST_F(OrganizeMemoryTest, FourGiBFileStaysUnderTheCeiling) {
  std::string path = temp / "sparse";
  writeSparseFile(path, {Piece{0, longestIndex(static_cast<std::uint32_t>(MiB))}}, 4ull * 1024 * MiB);
  EXPECT_LE(heldByCheck(path), Ceiling);
  EXPECT_LE(heldByWalk(path), Ceiling);
}
