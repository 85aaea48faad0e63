// Natively the user's paths are POSIX paths: absolute and relative, with
// spaces and non-ASCII bytes.
#include "cli/tests/CliFixture.h"

#include <fstream>

using namespace builder;

namespace {

Profile profile(const std::string& screenName) {
  return Profile{screenName, {favoritePlaces({folder("F", {favorite("A", "http://a.example/")})})}};
}

}  // namespace

TEST_F(CliTest, PosixPathsWithSpacesAndNonAsciiBytes) {
  work.makeDirectory("my organize \xc3\xbc");
  saveProfile("my organize \xc3\xbc\\ann", profile("Ann"));
  std::string absolute = userPath(work / "my organize \xc3\xbc");

  CliRun list = run({"list", absolute + "/"});
  EXPECT_EQ(list.exitCode, 0) << list.err;
  EXPECT_TRUE(contains(list.out, absolute + "/ann")) << list.out;

  work.makeDirectory("out dir");
  CliRun exported = run({"export", "my organize \xc3\xbc", "-o", "out dir/b\xc3\xa9.html"});
  EXPECT_EQ(exported.exitCode, 0) << exported.err;
  EXPECT_TRUE(contains(work.read("out dir\\b\xc3\xa9.html"), "http://a.example/"));

  CliRun imported = run({"import", absolute, "--to", userPath(work / "to here/\xc3\xa9t\xc3\xa9")});
  EXPECT_EQ(imported.exitCode, 0) << imported.err;
  EXPECT_TRUE(exists("to here\\\xc3\xa9t\xc3\xa9\\F\\A.url"));
}

TEST_F(CliTest, AFileWindowsCannotNameIsAnUnreadableProfile) {
  // A name with '?' lists natively but opens as Windows would open it: not.
  work.makeDirectory("organize");
  saveProfile("organize\\ann", profile("Ann"));
  std::ofstream(userPath(work / "organize\\what?")) << "AOLVM100";
  CliRun exported = run({"export", "organize"});
  EXPECT_EQ(exported.exitCode, 1);
  EXPECT_TRUE(contains(exported.err, "placemove-cli: cannot read 'organize/what?', skipped: ")) << exported.err;
  EXPECT_TRUE(contains(exported.err, "Skipped, unreadable profile: 1")) << exported.err;
  EXPECT_TRUE(contains(work.read("bookmarks.html"), "http://a.example/"));
}

TEST_F(CliTest, ImportNeedsAFolderNatively) {
  work.makeDirectory("organize");
  saveProfile("organize\\ann", profile("Ann"));
  CliRun imported = run({"import", "organize"});
  EXPECT_EQ(imported.exitCode, 2);
  EXPECT_EQ(linesOf(imported.err),
            (std::vector<std::string>{"placemove-cli: name the folder to import into (--to FOLDER)",
                                      "Try 'placemove-cli --help'."}));
  CliRun listed = run({"list"});
  EXPECT_EQ(listed.exitCode, 2);
  EXPECT_TRUE(contains(listed.err, "placemove-cli: name the AOL profile directory (DIR)")) << listed.err;
}
