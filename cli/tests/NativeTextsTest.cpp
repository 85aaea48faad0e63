// Natively the texts of a profile reach names and the terminal as UTF-8,
// converted from their code page, and nothing of a file or a file name
// reaches the terminal as a control character.
#include "cli/tests/CliFixture.h"

#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace builder;

namespace {

Profile profile(const std::string& screenName, std::vector<Item> favorites) {
  return Profile{screenName, {favoritePlaces(std::move(favorites))}};
}

bool holdsControl(const std::string& text) {
  for (unsigned char c : text) {
    if ((c < 0x20 && c != '\n') || c == 0x7F) return true;
  }
  return false;
}

}  // namespace

TEST_F(CliTest, NoTextOfAFileReachesTheTerminalAsAControl) {
  work.makeDirectory("organize");
  saveProfile("organize\\evil", profile("Evil \x1b[2J\x1b]0;owned\x07\rFAKE", {favorite("A", "http://a/")}));
  // U+009B, a terminal's ESC [ in one character, from ISO 8859-1.
  saveProfile("organize\\csi", profile("csi\x9b", {favorite("B", "http://b/")}));
  // Names of files that are no profiles, shown in their messages.
  std::ofstream(userPath(work / "organize\\bell\x07\x1b]0;x\x07")) << "AOLVM100";
  std::ofstream(userPath(work / "organize\\raw\x9b?")) << "AOLVM100";

  CliRun list = run({"list", "organize", "--codepage", "iso-8859-1"});
  EXPECT_EQ(list.exitCode, 1) << list.err;
  EXPECT_FALSE(holdsControl(list.out)) << list.out;
  EXPECT_FALSE(holdsControl(list.err)) << list.err;
  EXPECT_TRUE(contains(list.out, "Evil \\x1B[2J\\x1B]0;owned\\x07\\x0DFAKE")) << list.out;
  EXPECT_TRUE(contains(list.out, "csi\\xC2\\x9B")) << list.out;
  EXPECT_TRUE(contains(list.err, "cannot read 'organize/bell\\x07\\x1B]0;x\\x07', skipped")) << list.err;
  EXPECT_TRUE(contains(list.err, "cannot read 'organize/raw\\x9B?', skipped")) << list.err;
}

TEST_F(CliTest, ProfileTextsAreUtf8FromTheirCodePage) {
  work.makeDirectory("organize");
  // Windows-1252: curly quotes, e acute, the euro sign.
  saveProfile("organize\\one", profile("Hostile \x93One\x94", {favorite("caf\xe9 \x80", "http://cafe/")}));
  saveProfile("organize\\two", profile("Two", {favorite("B", "http://b/")}));

  CliRun list = run({"list", "organize"});
  EXPECT_EQ(list.exitCode, 0) << list.err;
  EXPECT_TRUE(contains(list.out, "Hostile \xe2\x80\x9cOne\xe2\x80\x9d")) << list.out;

  CliRun imported = run({"import", "organize", "--to", "out"});
  EXPECT_EQ(imported.exitCode, 0) << imported.err;
  EXPECT_TRUE(exists("out\\Hostile \xe2\x80\x9cOne\xe2\x80\x9d\\caf\xc3\xa9 \xe2\x82\xac.url"));

  // The screen name as the user types it; the same bytes in ISO 8859-2.
  CliRun chosen = run({"import", "organize", "--to", "alone", "--profile", "Hostile \xe2\x80\x9cOne\xe2\x80\x9d"});
  EXPECT_EQ(chosen.exitCode, 0) << chosen.err;
  EXPECT_TRUE(exists("alone\\caf\xc3\xa9 \xe2\x82\xac.url"));
  CliRun latin2 = run({"import", "organize", "--to", "latin2", "--codepage", "iso-8859-2", "--profile", "Two",
                       "--profile", "Hostile \xc2\x93One\xc2\x94"});
  EXPECT_EQ(latin2.exitCode, 0) << latin2.err;
  EXPECT_TRUE(exists("latin2\\Hostile \xc2\x93One\xc2\x94\\caf\xc3\xa9 \xc2\x80.url"));
}

TEST_F(CliTest, ANameLongerInUtf8ThanTheSystemTakesIsTooLong) {
  // 126 e acutes and ".url" are 256 bytes: one more than a name may have,
  // though the path fits.
  work.makeDirectory("organize");
  std::string accents(126, '\xe9');
  saveProfile("organize\\one",
              profile("One", {favorite(accents, "http://long/"), favorite(accents.substr(1), "http://fits/")}));
  CliRun imported = run({"import", "organize", "--to", "o"});
  EXPECT_EQ(imported.exitCode, 0) << imported.err;
  EXPECT_TRUE(contains(imported.err, "Favourites written: 1\n")) << imported.err;
  EXPECT_TRUE(contains(imported.err, "Skipped, path too long: 1\n")) << imported.err;
}

TEST_F(CliTest, AFolderThatCannotBeWrittenInIsNamedOnceAndEverythingCounted) {
  work.makeDirectory("organize");
  Profile ann = profile("Ann", {favorite("A", "http://a/"), folder("F", {favorite("B", "http://b/"),
                                                                          folder("G", {favorite("C", "http://c/")})})});
  saveProfile("organize\\ann", ann);
  saveProfile("organize\\bob", profile("Bob", {favorite("D", "http://d/")}));
  // A folder its owner may not write in; the superuser may write anywhere
  // but in the kernel's folders.
  std::string readOnly = userPath(work / "ro");
  if (geteuid() == 0) {
    readOnly = "/sys/kernel";
  } else {
    work.makeDirectory("ro");
    chmod(readOnly.c_str(), 0555);
  }

  CliRun alone = run({"import", "organize", "--to", readOnly, "--profile", "Ann"});
  EXPECT_EQ(alone.exitCode, 1) << alone.err;
  std::vector<std::string> lines = linesOf(alone.err);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0], "placemove-cli: cannot write in '" + readOnly + "': Access is denied.");
  EXPECT_TRUE(contains(alone.err, "Skipped, could not be written: 5\n")) << alone.err;

  CliRun both = run({"import", "organize", "--to", readOnly});
  EXPECT_EQ(both.exitCode, 1) << both.err;
  lines = linesOf(both.err);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0], "placemove-cli: cannot make the folder '" + readOnly + "/Ann': Access is denied.");
  EXPECT_FALSE(contains(both.err.substr(lines[0].size()), "placemove-cli:")) << "named once: " << both.err;
  // Each profile's folder as well.
  EXPECT_TRUE(contains(both.err, "Skipped, could not be written: 8\n")) << both.err;
  if (geteuid() != 0) chmod(readOnly.c_str(), 0755);
}
