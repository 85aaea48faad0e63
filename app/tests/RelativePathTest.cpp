#include "app/RelativePath.h"

#include <gtest/gtest.h>

#include <string>

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
