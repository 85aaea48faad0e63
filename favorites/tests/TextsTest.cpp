#include "favorites/Texts.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(CopyChars, TerminatesWhatFits) {
  char buffer[7];
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(copyChars("hello", 5, buffer, 6), 5u);
  EXPECT_STREQ(buffer, "hello");
  EXPECT_EQ(buffer[6], 'x');
}

TEST(CopyChars, CutsToTheSizeWithoutTerminator) {
  char buffer[7];
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(copyChars("hello", 5, buffer, 5), 5u);
  EXPECT_EQ(std::string(buffer, 6), "hellox");
  EXPECT_EQ(copyChars("world!", 6, buffer, 3), 3u);
  EXPECT_EQ(std::string(buffer, 6), "worlox");
  EXPECT_EQ(copyChars("abc", 3, buffer, 0), 0u);
}

TEST(CopyChars, CopiesCharactersNotText) {
  char buffer[8];
  EXPECT_EQ(copyChars("ab\0cd", 5, buffer, sizeof buffer), 5u);
  EXPECT_EQ(std::string(buffer, 6), std::string("ab\0cd\0", 6));
}

TEST(CopyText, CopiesTheWholeText) {
  char buffer[6];
  EXPECT_EQ(copyText("", buffer, sizeof buffer), 0u);
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(copyText("abcdef", buffer, sizeof buffer), 6u);
  EXPECT_EQ(std::string(buffer, 6), "abcdef");
}

TEST(DuplicateString, CopiesOntoTheLocalHeap) {
  EXPECT_EQ(duplicateString(nullptr), nullptr);
  char* copy = duplicateString("screen name");
  ASSERT_NE(copy, nullptr);
  EXPECT_STREQ(copy, "screen name");
  LocalFree(copy);
}
