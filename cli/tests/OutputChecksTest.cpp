// What export and import may write: never into the AOL profile folder,
// never one file for two outputs, and a message that names what is wrong
// with a path.
#include "cli/tests/CliFixture.h"

using namespace builder;

namespace {

class Outputs : public CliTest {
 protected:
  void SetUp() override {
    work.makeDirectory("organize");
    saveProfile("organize\\ann", Profile{"Ann", {favoritePlaces({favorite("caf\xE9 \xA4", "http://a.example/")})}});
    saveProfile("organize\\bob", Profile{"Bob", {favoritePlaces({favorite("Weather", "http://w.example/")})}});
    work.write("organize\\readme.txt", "not a profile");
  }
};

// Exit code 2 and one line, `message` after the program's name.
void expectRefused(const CliRun& run, const std::string& message) {
  EXPECT_EQ(run.exitCode, 2) << run.err;
  EXPECT_EQ(linesOf(run.err), std::vector<std::string>{"placemove-cli: " + message});
  EXPECT_EQ(run.out, "");
}

}  // namespace

TEST_F(Outputs, NothingIsWrittenIntoTheProfileFolderWhateverForceSays) {
  const std::vector<std::string> before = work.tree();
  const std::string ann = work.read("organize\\ann");
  const std::vector<std::vector<std::string>> commands = {
      {"export", "organize", "-o", "organize/ann", "--force"},
      {"export", "organize", "--aol-links", "organize/bob", "--force"},
      {"export", "organize", "-o", "organize/readme.txt", "--force"},
      {"export", "organize", "-o", "organize/new.html"},
      {"export", "organize", "-o", "-", "--aol-links", "organize/./links.txt"},
      {"import", "organize", "--to", "organize/ann"},
      {"import", "organize", "--to", "organize"},
      {"import", "organize", "--to", "organize/Imported"},
  };
  for (const std::vector<std::string>& command : commands) {
    const std::string& output = command[command.size() - (command.back() == "--force" ? 2 : 1)];
    expectRefused(run(command),
                  "'" + output + "' would write into the AOL profile folder 'organize', which placemove-cli only reads");
  }
  EXPECT_EQ(work.tree(), before);
  EXPECT_EQ(work.read("organize\\ann"), ann);
}

TEST_F(Outputs, OneFileIsNeverBothOutputs) {
  expectRefused(run({"export", "organize", "-o", "out.html", "--aol-links", "out.html"}),
                "-o and --aol-links name one file, 'out.html': give each its own");
  work.makeDirectory("sub");
  work.write("out.html", "old");
  expectRefused(run({"export", "organize", "-o", "out.html", "--aol-links", "sub/../out.html", "--force"}),
                "-o and --aol-links name one file, 'sub/../out.html': give each its own");
  EXPECT_EQ(work.read("out.html"), "old");
  EXPECT_EQ(work.tree(), (std::vector<std::string>{"organize\\", "organize\\ann", "organize\\bob",
                                                   "organize\\readme.txt", "out.html", "sub\\"}));
}

TEST_F(Outputs, PathsAndOptionsAreTakenAsMeant) {
  CliRun notFolder = run({"list", "organize/ann"});
  EXPECT_EQ(notFolder.exitCode, 1);
  EXPECT_EQ(linesOf(notFolder.err), std::vector<std::string>{"placemove-cli: 'organize/ann' is not a folder"});

  work.makeDirectory("out");
  expectRefused(run({"export", "organize", "-o", "out", "--force"}), "'out' is a folder");
  expectRefused(run({"export", "organize", "--aol-links", "out"}), "'out' is a folder");

  // After "--" every argument is DIR, even one that looks like an option.
  work.makeDirectory("-dashed");
  saveProfile("-dashed\\carl", Profile{"Carl", {favoritePlaces({favorite("C", "http://c.example/")})}});
  CliRun dashed = run({"list", "--", "-dashed"});
  EXPECT_EQ(dashed.exitCode, 0) << dashed.err;
  EXPECT_TRUE(contains(dashed.out, "Carl")) << dashed.out;
  CliRun late = run({"list", "--", "-dashed", "--help"});
  EXPECT_EQ(late.exitCode, 2);
  EXPECT_TRUE(contains(late.err, "unexpected argument '--help'")) << late.err;

  // The names users give a code page: 0xA4 is a currency sign in Latin-1,
  // the euro sign in Latin-9.
  CliRun latin1 = run({"export", "organize", "--profile", "Ann", "-o", "-", "--codepage", "latin1"});
  EXPECT_EQ(latin1.exitCode, 0) << latin1.err;
  EXPECT_TRUE(contains(latin1.out, ">caf\xC3\xA9 \xC2\xA4</A>")) << latin1.out;
  CliRun latin9 = run({"export", "organize", "--profile", "Ann", "-o", "-", "--codepage", "LATIN9"});
  EXPECT_TRUE(contains(latin9.out, ">caf\xC3\xA9 \xE2\x82\xAC</A>")) << latin9.out;
}
