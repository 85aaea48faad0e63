#include "favorites/Paths.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string joined(const char* directory, const char* name, DWORD size = 1024) {
  std::string buffer(size, '\x7F');
  if (!joinPath(directory, name, &buffer[0], size)) return "<failed>";
  return buffer.c_str();
}

}  // namespace

TEST(JoinPath, PutsOneBackslashBetween) {
  EXPECT_EQ(joined("X:\\Links", "News"), "X:\\Links\\News");
  EXPECT_EQ(joined("X:\\Links\\", "News"), "X:\\Links\\News");
  EXPECT_EQ(joined("X:\\Links", "\\News"), "X:\\Links\\News");
  EXPECT_EQ(joined("", "News"), "News");
  EXPECT_EQ(joined("X:\\Links", ""), "X:\\Links\\");
  EXPECT_EQ(joined("X:\\Links\\", "\\News"), "X:\\Links\\\\News");
}

TEST(JoinPath, FailsWhenTheTerminatorDoesNotFit) {
  // "ab\cd" needs six characters with its terminator.
  EXPECT_EQ(joined("ab", "cd", 6), "ab\\cd");
  EXPECT_EQ(joined("ab", "cd", 5), "<failed>");
  EXPECT_EQ(joined("abcde", "x", 5), "<failed>");
}

TEST(CreateDirectoryTree, CreatesEveryMissingLevelInOrder) {
  TempFolder folder;
  EXPECT_TRUE(createDirectoryTree((folder / "a").c_str()));
  EXPECT_TRUE(createDirectoryTree((folder / "b\\c\\d").c_str()));
  EXPECT_EQ(folder.tree(), (std::vector<std::string>{"a\\", "b\\", "b\\c\\", "b\\c\\d\\"}));
}

TEST(CreateDirectoryTree, ExistingDirectoryIsLeftAndReported) {
  TempFolder folder;
  folder.makeDirectory("a");
  EXPECT_FALSE(createDirectoryTree((folder / "a").c_str()));
  EXPECT_EQ(folder.tree(), (std::vector<std::string>{"a\\"}));
}

TEST(CreateDirectoryTree, TrailingBackslashCreatesButReportsFalse) {
  TempFolder folder;
  EXPECT_FALSE(createDirectoryTree((folder / "x\\y\\").c_str()));
  EXPECT_EQ(folder.tree(), (std::vector<std::string>{"x\\", "x\\y\\"}));
}

TEST(CreateDirectoryTree, PathWithoutBackslashCannotBeBackedUp) {
  EXPECT_FALSE(createDirectoryTree("placemove-missing-parent/child"));
}

TEST(CreateDirectoryTree, OverlongPathIsRefusedWhole) {
  TempFolder folder;
  std::string path = folder.path();
  while (path.size() < MAX_PATH - 4) path += "\\abc";
  path.resize(MAX_PATH, 'z');  // 260 characters: does not fit with its terminator
  EXPECT_FALSE(createDirectoryTree(path.c_str()));
  EXPECT_TRUE(folder.tree().empty());
  path.resize(MAX_PATH - 20);
  if (path.back() == '\\') path.back() = 'q';
  EXPECT_TRUE(createDirectoryTree(path.c_str()));
}

namespace {

std::string below(const char* path, const char* folder) {
  const char* rest = pathBelow(path, folder);
  return rest == nullptr ? "<not below>" : rest;
}

}  // namespace

TEST(PathBelow, GivesThePathRelativeToTheFolder) {
  EXPECT_EQ(below("C:\\users\\jo\\Favorites\\Links\\News", "C:\\users\\jo\\Favorites"), "Links\\News");
  EXPECT_EQ(below("C:\\users\\jo\\Favorites\\Links", "C:\\users\\jo\\Favorites"), "Links");
  EXPECT_EQ(below("C:\\users\\jo\\Favorites", "C:\\users\\jo\\Favorites"), "");
  EXPECT_EQ(below("c:\\USERS\\jo\\favorites\\Links", "C:\\users\\jo\\Favorites"), "Links");
  EXPECT_EQ(below("C:\\Links", "C:\\"), "Links");
  EXPECT_EQ(below("C:\\", "C:\\"), "");
}

TEST(PathBelow, RefusesPathsOutsideTheFolder) {
  EXPECT_EQ(below("C:\\users\\jo\\Favorites2\\Links", "C:\\users\\jo\\Favorites"), "<not below>");
  EXPECT_EQ(below("C:\\users\\jo", "C:\\users\\jo\\Favorites"), "<not below>");
  EXPECT_EQ(below("D:\\users\\jo\\Favorites", "C:\\users\\jo\\Favorites"), "<not below>");
  EXPECT_EQ(below("", "C:\\users\\jo\\Favorites"), "<not below>");
  EXPECT_EQ(below("C:\\x", ""), "<not below>");
}
