#include "cli/tests/CliFixture.h"

#include <algorithm>

using namespace builder;

namespace {

Profile annsProfile() {
  return Profile{"Ann",
                 {favoritePlaces({favorite("News", "http://news.example/"),
                                  folder("Cooking", {favorite("Recipes", "aol://1722:recipes"),
                                                     favorite("Tricks & <tips>", "http://tips.example/?a=1&b=2")}),
                                  favorite("Clicker", "javascript:alert(1)")})}};
}

Profile bobsProfile() { return Profile{"Bob", {favoritePlaces({favorite("Weather", "http://weather.example/")})}}; }

class Cli : public CliTest {
 protected:
  void SetUp() override {
    work.makeDirectory("organize");
    saveProfile("organize\\ann", annsProfile());
    saveProfile("organize\\bob", bobsProfile());
    work.write("organize\\readme.txt", "not a profile");
  }
};

// What a usage error must look like: exit code 2, the message, the hint.
void expectUsageError(const CliRun& run, const std::string& message) {
  EXPECT_EQ(run.exitCode, 2) << run.err;
  EXPECT_EQ(linesOf(run.err), (std::vector<std::string>{"placemove-cli: " + message, "Try 'placemove-cli --help'."}));
  EXPECT_EQ(run.out, "");
}

}  // namespace

TEST_F(Cli, HelpAndVersion) {
  CliRun help = run({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_TRUE(contains(help.out, "Usage: placemove-cli list [DIR]")) << help.out;
  EXPECT_EQ(help.err, "");
  EXPECT_EQ(run({"export", "organize", "--help"}).exitCode, 0);
  CliRun version = run({"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(linesOf(version.out), std::vector<std::string>{"placemove-cli 1.3.1"});
}

TEST_F(Cli, UsageErrorsNameWhatWasWrong) {
  expectUsageError(run({}), "no command given");
  expectUsageError(run({"--frob"}), "unknown option '--frob'");
  expectUsageError(run({"frob"}), "unknown command 'frob'");
  expectUsageError(run({"list", "organize", "--force"}), "unknown option '--force'");
  expectUsageError(run({"import", "organize", "-o", "x"}), "unknown option '-o'");
  expectUsageError(run({"export", "organize", "-o"}), "option '-o' needs a value");
  expectUsageError(run({"list", "organize", "other"}), "unexpected argument 'other'");
  expectUsageError(run({"import", "organize", "--to", "x", "--folder", "y"}),
                   "--folder names a folder below Favorites: it does not go with --to");
  expectUsageError(run({"export", "organize", "--codepage", "klingon"}), "unknown code page 'klingon'");
  EXPECT_TRUE(work.tree() ==
              (std::vector<std::string>{"organize\\", "organize\\ann", "organize\\bob", "organize\\readme.txt"}));
}

TEST_F(Cli, ListShowsEveryProfileWithItsCounts) {
  CliRun list = run({"list", "organize"});
  EXPECT_EQ(list.exitCode, 0) << list.err;
  std::vector<std::string> lines = linesOf(list.out);
  ASSERT_EQ(lines.size(), 3u) << list.out;
  EXPECT_TRUE(contains(lines[0], "SCREEN NAME"));
  EXPECT_TRUE(contains(lines[1], "Ann") && contains(lines[1], "         4        1  ")) << lines[1];
  EXPECT_TRUE(contains(lines[2], "Bob") && contains(lines[2], "         1        0  ")) << lines[2];
  EXPECT_EQ(linesOf(list.err), (std::vector<std::string>{"Profiles read: 2", "Skipped, unreadable profile: 0"}));
}

TEST_F(Cli, BadInputGetsAOneLineMessage) {
  CliRun missing = run({"list", "absent"});
  EXPECT_EQ(missing.exitCode, 1);
  ASSERT_EQ(linesOf(missing.err).size(), 1u) << missing.err;
  EXPECT_TRUE(contains(missing.err, "placemove-cli: cannot search the directory")) << missing.err;

  work.makeDirectory("empty");
  CliRun empty = run({"export", "empty"});
  EXPECT_EQ(empty.exitCode, 1);
  EXPECT_TRUE(contains(empty.err, "placemove-cli: no AOL profiles in 'empty'")) << empty.err;

  CliRun unknown = run({"export", "organize", "--profile", "Ann", "--profile", "Nobody"});
  EXPECT_EQ(unknown.exitCode, 2);
  EXPECT_TRUE(contains(unknown.err, "placemove-cli: no profile 'Nobody' in 'organize'")) << unknown.err;
  EXPECT_FALSE(exists("bookmarks.html"));

  std::string nowhere = userPath(work / "absent\\b.html");
  CliRun unwritable = run({"export", "organize", "-o", nowhere});
  EXPECT_EQ(unwritable.exitCode, 1);
  EXPECT_EQ(linesOf(unwritable.err).size(), 1u) << unwritable.err;
  EXPECT_TRUE(contains(unwritable.err, "placemove-cli: '" + nowhere + "': ")) << unwritable.err;

  // A file where the folder to import into should be.
  work.write("taken", "x");
  CliRun taken = run({"import", "organize", "--to", "taken"});
  EXPECT_EQ(taken.exitCode, 1);
  // The system's reason follows; its words differ between systems.
  const std::string cannotMake = "placemove-cli: cannot make the folder 'taken': ";
  ASSERT_EQ(linesOf(taken.err).size(), 1u) << taken.err;
  EXPECT_EQ(taken.err.compare(0, cannotMake.size(), cannotMake), 0) << taken.err;
  EXPECT_GT(linesOf(taken.err)[0].size(), cannotMake.size() + 1) << taken.err;
  EXPECT_EQ(work.read("taken"), "x");
}

TEST_F(Cli, ExportWritesTheFileAndCountsWhatBrowsersLose) {
  CliRun exported = run({"export", "organize"});
  EXPECT_EQ(exported.exitCode, 0) << exported.err;
  std::string file = work.read("bookmarks.html");
  EXPECT_TRUE(contains(file, ">Ann</H3>") && contains(file, ">Bob</H3>")) << "a folder for each of several profiles";
  EXPECT_TRUE(contains(file, "AOL Favorite Places"));
  EXPECT_TRUE(contains(file, "aol://1722:recipes"));
  EXPECT_FALSE(contains(file, "javascript:"));
  std::vector<std::string> lines = linesOf(exported.err);
  ASSERT_EQ(lines.size(), 7u) << exported.err;
  EXPECT_EQ(
      std::vector<std::string>(lines.begin(), lines.begin() + 6),
      (std::vector<std::string>{"Profiles read: 2", "Folders written: 3", "Favourites written: 4",
                                "Skipped, script URL: 1", "Skipped, unreadable profile: 0", "AOL-only links: 1"}));
  EXPECT_TRUE(contains(lines[6], "Browsers will not import AOL-only links") && contains(lines[6], "--aol-links FILE"));
  EXPECT_EQ(work.tree(), (std::vector<std::string>{"bookmarks.html", "organize\\", "organize\\ann", "organize\\bob",
                                                   "organize\\readme.txt"}));
}

// 100 folders, one inside the other, each with a favourite.
Item deepFolders(int level) {
  std::vector<Item> children{favorite("At " + std::to_string(level), "http://deep.example/")};
  if (level < 99) children.push_back(deepFolders(level + 1));
  return folder("Level " + std::to_string(level), std::move(children));
}

TEST_F(Cli, ExportFlattensWhatIsTooDeepForBrowsersAndSaysSo) {
  work.makeDirectory("deep");
  saveProfile("deep\\carl", Profile{"Carl", {favoritePlaces({deepFolders(0)})}});
  CliRun exported = run({"export", "deep"});
  EXPECT_EQ(exported.exitCode, 0) << exported.err;
  std::string file = work.read("bookmarks.html");
  EXPECT_TRUE(contains(file, ">At 99</A>")) << "every favourite kept";
  std::vector<std::string> lines = linesOf(exported.err);
  // The top folder and 89 of the profile's folders nest; 11 are flattened.
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Folders written: 89"), lines.end()) << exported.err;
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Favourites written: 100"), lines.end()) << exported.err;
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Folders flattened: 11"), lines.end()) << exported.err;
}

TEST_F(Cli, ExportNeverReplacesAFileWithoutForce) {
  work.write("bookmarks.html", "old");
  CliRun refused = run({"export", "organize"});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_EQ(linesOf(refused.err),
            std::vector<std::string>{"placemove-cli: 'bookmarks.html' exists; give --force to replace it"});
  EXPECT_EQ(work.read("bookmarks.html"), "old");

  CliRun forced = run({"export", "organize", "--force", "--profile", "Bob"});
  EXPECT_EQ(forced.exitCode, 0) << forced.err;
  std::string file = work.read("bookmarks.html");
  EXPECT_TRUE(contains(file, "http://weather.example/"));
  EXPECT_FALSE(contains(file, ">Bob</H3>")) << "a lone profile goes straight into the top folder";
  EXPECT_FALSE(contains(file, "news.example"));
}

TEST_F(Cli, AFailedExportLeavesTheOldFileAndNoPartOfANewOne) {
  // The list of AOL-only links cannot be made: nothing is written, the old
  // file stays as it was.
  work.write("out.html", "old");
  CliRun failed =
      run({"export", "organize", "-o", "out.html", "--force", "--aol-links", userPath(work / "absent\\links")});
  EXPECT_EQ(failed.exitCode, 1);
  ASSERT_EQ(linesOf(failed.err).size(), 1u) << failed.err;
  EXPECT_TRUE(contains(failed.err, "placemove-cli: ")) << failed.err;
  EXPECT_EQ(work.read("out.html"), "old");
  EXPECT_EQ(work.tree(), (std::vector<std::string>{"organize\\", "organize\\ann", "organize\\bob",
                                                   "organize\\readme.txt", "out.html"}));
}

TEST_F(Cli, ExportToStandardOutputAndTheListOfAolLinks) {
  CliRun out =
      run({"export", "organize", "-o", "-", "--profile", "Ann", "--aol-links", "links.txt", "--folder", "Mine"});
  EXPECT_EQ(out.exitCode, 0) << out.err;
  EXPECT_TRUE(contains(out.out, "<!DOCTYPE NETSCAPE-Bookmark-file-1>")) << out.out;
  EXPECT_TRUE(contains(out.out, ">Mine</H3>"));
  EXPECT_TRUE(contains(out.out, "Tricks &amp; &lt;tips&gt;"));
  EXPECT_EQ(work.read("links.txt"), "aol://1722:recipes\tRecipes\n");
  EXPECT_TRUE(contains(out.err, "listed in links.txt")) << out.err;
  EXPECT_FALSE(exists("bookmarks.html"));
}

TEST_F(Cli, ImportCountsWhatWindowsRefuses) {
  saveProfile("organize\\carl",
              Profile{"Carl",
                      {favoritePlaces({favorite("bell\a", "http://bell/"), favorite(std::string(300, 'x'), "http://x/"),
                                       folder("Kept", {favorite("Fine", "http://fine/")}),
                                       favorite("Run", "\xA0javascript:alert(1)")})}});
  CliRun imported = run({"import", "organize", "--to", "out", "--profile", "Carl"});
  EXPECT_EQ(imported.exitCode, 0) << imported.err;
  EXPECT_EQ(linesOf(imported.err),
            (std::vector<std::string>{"Profiles read: 1", "Folders written: 1", "Favourites written: 1",
                                      "Replaced by a later favourite of the same name: 0", "Skipped, path too long: 1",
                                      "Skipped, a title Windows cannot take as a name: 1",
                                      "Skipped, could not be written: 0", "Skipped, script URL: 1",
                                      "Skipped, unreadable profile: 0"}));
  EXPECT_TRUE(exists("out\\Kept\\Fine.url"));
  EXPECT_FALSE(exists("out\\Run.url"));

  CliRun both = run({"import", "organize", "--to", "two\\levels"});
  EXPECT_EQ(both.exitCode, 0) << both.err;
  EXPECT_TRUE(exists("two\\levels\\Ann\\Cooking\\Recipes.url"));
  EXPECT_TRUE(exists("two\\levels\\Bob\\Weather.url"));
  EXPECT_TRUE(exists("two\\levels\\Carl\\Kept\\Fine.url"));
  EXPECT_FALSE(exists("two\\levels\\Ann\\Clicker.url"));
  EXPECT_TRUE(contains(both.err, "Skipped, script URL: 2"));
}

TEST_F(CliTest, ImportKeepsProfilesApartAndCountsWhatOneNameHides) {
  // Both screen names make the folder "%"; the later gets a name of its own.
  // Two favourites "News" leave one file.
  work.makeDirectory("names");
  saveProfile("names\\empty", Profile{"", {favoritePlaces({favorite("News", "http://first/"),
                                                            favorite("News", "http://second/")})}});
  saveProfile("names\\slash", Profile{"\\", {favoritePlaces({favorite("News", "http://third/")})}});
  CliRun imported = run({"import", "names", "--to", "out"});
  EXPECT_EQ(imported.exitCode, 0) << imported.err;
  EXPECT_EQ(work.read("out\\%\\News.url").find("URL=http://second/"), 20u);
  EXPECT_EQ(work.read("out\\% (2)\\News.url").find("URL=http://third/"), 20u);
  std::vector<std::string> lines = linesOf(imported.err);
  ASSERT_GE(lines.size(), 4u) << imported.err;
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 4),
            (std::vector<std::string>{"Profiles read: 2", "Folders written: 2", "Favourites written: 2",
                                      "Replaced by a later favourite of the same name: 1 (a bookmarks file keeps "
                                      "both)"}));

  // Once more: the files there are replaced, and said to be.
  CliRun again = run({"import", "names", "--to", "out"});
  EXPECT_EQ(again.exitCode, 0) << again.err;
  lines = linesOf(again.err);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Files there before, replaced: 2"), lines.end()) << again.err;
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Favourites written: 2"), lines.end()) << again.err;
  EXPECT_TRUE(work.tree() == (std::vector<std::string>{"names\\", "names\\empty", "names\\slash", "out\\",
                                                       "out\\% (2)\\", "out\\% (2)\\News.url", "out\\%\\",
                                                       "out\\%\\News.url"}))
      << ::testing::PrintToString(work.tree());
}

TEST_F(Cli, ADamagedProfileEndsItsOwnTreeOnly) {
  OrganizeFile damaged(annsProfile());
  damaged.setTrailer(damaged.numberOf({"Favorite Places", "Cooking"}), Trailer::FirstChild, 0x7FFFFFF0);
  damaged.truncate(static_cast<std::uint32_t>(damaged.bytes().size() - 7));
  damaged.save(work / "organize\\ann");
  CliRun exported = run({"export", "organize"});
  EXPECT_EQ(exported.exitCode, 1) << exported.err;
  EXPECT_TRUE(contains(exported.err, "ann' is damaged and was read in part")) << exported.err;
  std::string file = work.read("bookmarks.html");
  EXPECT_TRUE(contains(file, "http://weather.example/"));
  EXPECT_TRUE(contains(file, "</DL>"));
}
