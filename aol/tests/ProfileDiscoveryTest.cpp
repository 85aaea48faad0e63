#include "aol/tests/ProfileDiscoveryTest.h"

#include <windows.h>

namespace {

const UINT AbortRetryIgnore = MB_ABORTRETRYIGNORE | MB_DEFBUTTON3;

std::string lockedText() {
  return errorText(mirrex::Win32Error("CreateFile", ERROR_SHARING_VIOLATION));
}

// The names that the directory search returns before `name`.
std::vector<std::string> listedBefore(const std::string& folder, const std::string& name) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((folder + "\\*.*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return names;
  while (entry.cFileName != name) {
    names.push_back(entry.cFileName);
    if (!FindNextFileA(search, &entry)) break;
  }
  FindClose(search);
  return names;
}

}  // namespace

TEST_F(ProfileDiscoveryTest, FindsEveryProfileFileDirectlyInTheDirectory) {
  saveProfile("Alpha.org", "Alpha");
  saveProfile("Alpha copy", "Alpha");  // no extension, same screen name
  saveProfile("Beta.org", "Beta");
  temp.write("notes.txt", "not a profile");
  temp.write("empty", "");
  temp.write("magic only", std::string("AOLVM100\0", 9));
  temp.makeDirectory("sub");
  saveProfile("sub\\Gamma.org", "Gamma");
  temp.makeDirectory("sub.org");

  EXPECT_EQ(discover(temp.path()), 3);
  EXPECT_EQ(rows(), (std::vector<std::string>{row("Alpha", "Alpha copy"), row("Alpha", "Alpha.org"),
                                              row("Beta", "Beta.org")}));
  EXPECT_EQ(std::string(directory), temp.path() + "\\");
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(ProfileDiscoveryTest, EmptyDirectoryGivesZero) {
  temp.makeDirectory("empty");
  EXPECT_EQ(discover(temp / "empty\\"), 0);
  EXPECT_EQ(std::string(directory), temp / "empty\\");
  EXPECT_EQ(table.profileCount, 0);
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(ProfileDiscoveryTest, DirectoryThatCannotBeSearchedShowsMessage2AndEmptiesTheTable) {
  saveProfile("Alpha.org", "Alpha");
  ASSERT_EQ(discover(temp.path()), 1);

  std::string missing = temp / "absent";
  EXPECT_EQ(discover(missing), -1);
  EXPECT_EQ(std::string(directory), missing + "\\");
  EXPECT_EQ(table.profileCount, 0);
  EXPECT_EQ(messages.shown(), (std::vector<ShownMessage>{
                                  {MB_OK, 2, {missing + "\\", searchErrorText(ERROR_PATH_NOT_FOUND)}}}));
}

TEST_F(ProfileDiscoveryTest, DirectoryTooLongForThePatternIsRefusedWithoutOverrun) {
  auto ofLength = [&](std::size_t length, const char* end) {
    std::string text = temp / std::string(length, 'x');
    return text.substr(0, length - std::strlen(end)) + end;
  };
  const struct {
    std::string given;
    std::string shown;
    DWORD code;
  } cases[] = {
      {"", "", ERROR_PATH_NOT_FOUND},
      {ofLength(256, "\\"), ofLength(256, "\\"), ERROR_PATH_NOT_FOUND},  // searched: the pattern just fits
      {ofLength(257, "\\"), ofLength(257, "\\"), ERROR_FILENAME_EXCED_RANGE},
      {ofLength(258, "x"), ofLength(259, "\\"), ERROR_FILENAME_EXCED_RANGE},
      {ofLength(259, "x"), ofLength(259, "x"), ERROR_FILENAME_EXCED_RANGE},  // no room for the backslash
      {ofLength(260, "x"), ofLength(259, "x"), ERROR_FILENAME_EXCED_RANGE},  // unterminated: cut
  };
  for (const auto& c : cases) {
    std::size_t before = messages.shown().size();
    EXPECT_EQ(discover(c.given), -1) << "for a text of " << c.given.size();
    EXPECT_EQ(std::string(directory), c.shown);
    ASSERT_EQ(messages.shown().size(), before + 1);
    EXPECT_EQ(messages.shown().back(), (ShownMessage{MB_OK, 2, {c.shown, searchErrorText(c.code)}}))
        << "for a text of " << c.given.size();
  }
}

TEST_F(ProfileDiscoveryTest, LockedFileIsAskedAboutAndIgnoreSkipsIt) {
  saveProfile("a", "Alpha");
  saveProfile("b", "Beta");
  saveProfile("c", "Gamma");
  Lock lock(temp / "c");
  messages.answer(IDIGNORE);

  EXPECT_EQ(discover(temp.path()), 2);
  EXPECT_EQ(rows(), (std::vector<std::string>{row("Alpha", "a"), row("Beta", "b")}));
  EXPECT_EQ(messages.shown(), (std::vector<ShownMessage>{{AbortRetryIgnore, 3, {temp / "c", lockedText()}}}));
}

TEST_F(ProfileDiscoveryTest, RetryChecksTheFileAgainUntilItCanBeRead) {
  saveProfile("a", "Alpha");
  saveProfile("c", "Gamma");
  Lock lock(temp / "c");
  messages.answer(IDRETRY);
  messages.answer(IDRETRY, [&] { lock.release(); });

  EXPECT_EQ(discover(temp.path()), 2);
  EXPECT_EQ(rows(), (std::vector<std::string>{row("Alpha", "a"), row("Gamma", "c")}));
  ShownMessage asked{AbortRetryIgnore, 3, {temp / "c", lockedText()}};
  EXPECT_EQ(messages.shown(), (std::vector<ShownMessage>{asked, asked}));
}

TEST_F(ProfileDiscoveryTest, AbortReturnsMinusOneAndKeepsTheRowsFoundBefore) {
  saveProfile("a", "Alpha");
  saveProfile("b", "Beta");
  saveProfile("c", "Gamma");
  saveProfile("d", "Delta");
  Lock lock(temp / "c");
  messages.answer(IDABORT);

  std::vector<std::string> expected;
  for (const std::string& name : listedBefore(temp.path(), "c")) {
    if (name == "a") expected.push_back(row("Alpha", "a"));
    if (name == "b") expected.push_back(row("Beta", "b"));
    if (name == "d") expected.push_back(row("Delta", "d"));
  }
  std::sort(expected.begin(), expected.end());

  EXPECT_EQ(discover(temp.path()), -1);
  EXPECT_EQ(rows(), expected);
  EXPECT_EQ(messages.shown().size(), 1u);
}

TEST_F(ProfileDiscoveryTest, RunningAgainGivesTheSameRows) {
  saveProfile("a", "Alpha");
  saveProfile("b", "Beta");
  ASSERT_EQ(discover(temp.path()), 2);
  std::vector<std::string> first = rows();
  EXPECT_EQ(discover(temp.path()), 2);
  EXPECT_EQ(rows(), first);
  EXPECT_EQ(std::string(directory), temp.path() + "\\");  // the backslash is not doubled
}

TEST_F(ProfileDiscoveryTest, FullTableEndsTheSearch) {
  for (int file = 0; file <= MaxProfiles; ++file) saveProfile("p" + std::to_string(file), "Someone");
  EXPECT_EQ(discover(temp.path()), MaxProfiles);
  EXPECT_EQ(table.profileCount, MaxProfiles);
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(ProfileDiscoveryTest, LongScreenNameIsCutToTheBuffer) {
  saveProfile("long", std::string(1500, 'n'));
  ASSERT_EQ(discover(temp.path()), 1);
  EXPECT_EQ(std::string(table.entries[0].screenName), std::string(1023, 'n'));
}
