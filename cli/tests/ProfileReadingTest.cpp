// placemove-cli on profiles it cannot read in full, and on more profiles
// than the wizard's table holds.
#include "aol/organize/tests/HostileFiles.h"
#include "cli/tests/CliFixture.h"

using namespace builder;

namespace {

Profile favorites(const std::string& screenName, int count) {
  std::vector<Item> items;
  for (int i = 0; i < count; ++i) items.push_back(favorite("F" + std::to_string(i), "http://f.example/" + screenName));
  return Profile{screenName, {favoritePlaces(items)}};
}

}  // namespace

TEST_F(CliTest, DamagedProfilesAreNamedAndCountedAndEndWithExitOne) {
  work.makeDirectory("organize");
  saveProfile("organize\\whole", favorites("Whole", 3));
  OrganizeFile cut(favorites("Cut", 200));
  cut.truncate(static_cast<std::uint32_t>(cut.bytes().size() / 2));
  cut.save(work / "organize\\cut");
  work.write("organize\\deep", hostile::deepNesting(1100));

  const std::vector<std::vector<std::string>> commands{
      {"list", "organize"}, {"export", "organize", "-o", "out.html"}, {"import", "organize", "--to", "out"}};
  for (const std::vector<std::string>& command : commands) {
    CliRun ran = run(command);
    EXPECT_EQ(ran.exitCode, 1) << command[0] << ": " << ran.err;
    std::vector<std::string> lines = linesOf(ran.err);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Damaged profiles, read in part: 2"), lines.end()) << ran.err;
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Skipped, unreadable profile: 0"), lines.end()) << ran.err;
    EXPECT_TRUE(contains(ran.err, "cut' is damaged and was read in part (records past the end of the file: "))
        << ran.err;
    EXPECT_TRUE(contains(ran.err,
                         "deep' is damaged and was read in part (folders nested deeper than 1024 levels: 1); "
                         "favourites left out: 1, folders: 77\n"))
        << ran.err;
    EXPECT_FALSE(contains(ran.err, "whole'")) << ran.err;
  }
  EXPECT_TRUE(contains(work.read("out.html"), "http://f.example/Whole"));
}

TEST_F(CliTest, EveryProfileOfTheFolderIsRead) {
  work.makeDirectory("many");
  for (int i = 0; i < 210; ++i) saveProfile("many\\p" + std::to_string(i), favorites("user" + std::to_string(i), 1));
  CliRun list = run({"list", "many"});
  EXPECT_EQ(list.exitCode, 0) << list.err;
  EXPECT_EQ(linesOf(list.out).size(), 211u);
  EXPECT_EQ(linesOf(list.err), (std::vector<std::string>{"Profiles read: 210", "Skipped, unreadable profile: 0"}));

  CliRun one = run({"export", "many", "--profile", "user205", "-o", "-"});
  EXPECT_EQ(one.exitCode, 0) << one.err;
  EXPECT_TRUE(contains(one.out, "http://f.example/user205"));
}
