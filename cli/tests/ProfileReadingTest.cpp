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

bool hasLineEndingIn(const std::vector<std::string>& lines, const std::string& end) {
  return std::any_of(lines.begin(), lines.end(), [&end](const std::string& line) {
    return line.size() >= end.size() && line.compare(line.size() - end.size(), end.size(), end) == 0;
  });
}

}  // namespace

TEST_F(CliTest, DamagedProfilesAreNamedAndCountedAndEndWithExitOne) {
  work.makeDirectory("organize");
  saveProfile("organize\\whole", favorites("Whole", 3));
  OrganizeFile cut(favorites("Cut", 200));
  cut.truncate(static_cast<std::uint32_t>(cut.bytes().size() / 2));
  cut.save(work / "organize\\cut");
  work.write("organize\\deep", hostile::deepNesting(1100));
  work.write("organize\\index", hostile::longestIndex(100));

  const std::vector<std::vector<std::string>> commands{
      {"list", "organize"}, {"export", "organize", "-o", "out.html"}, {"import", "organize", "--to", "out"}};
  for (const std::vector<std::string>& command : commands) {
    CliRun ran = run(command);
    EXPECT_EQ(ran.exitCode, 1) << command[0] << ": " << ran.err;
    std::vector<std::string> lines = linesOf(ran.err);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Damaged profiles, read in part: 3"), lines.end()) << ran.err;
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Skipped, unreadable profile: 0"), lines.end()) << ran.err;
    EXPECT_TRUE(contains(ran.err, "cut' is damaged and was read in part (records past the end of the file: 1, "
                                  "records the index names beyond the end: "))
        << ran.err;
    EXPECT_TRUE(hasLineEndingIn(lines,
                                "deep' is damaged and was read in part (folders nested deeper than 1024 levels: 1); "
                                "favourites left out: 1, folders left out: 77"))
        << ran.err;
    EXPECT_TRUE(hasLineEndingIn(lines,
                                "index' is damaged and was read in part (records past the 16 MiB bound of the index: "
                                "2); what followed a record not read in its folder is left out"))
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
