// Natively: outputs reached through links and second names, the permissions
// of a replaced file, paths longer than Windows takes, and an export ended
// by a signal.
#include "cli/tests/CliFixture.h"
#include "tests/builder/LargeProfile.h"

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace builder;

extern char** environ;

namespace {

class PosixOutputs : public CliTest {
 protected:
  void SetUp() override {
    work.makeDirectory("organize");
    saveProfile("organize\\ann", Profile{"Ann", {favoritePlaces({favorite("News", "http://news.example/")})}});
    saveProfile("organize\\bob", Profile{"Bob", {favoritePlaces({favorite("Weather", "http://w.example/")})}});
  }
  std::string host(const std::string& relative) const { return userPath(work / relative); }
  mode_t modeOf(const std::string& relative) const {
    struct stat status;
    EXPECT_EQ(stat(host(relative).c_str(), &status), 0) << relative;
    return status.st_mode & 0777;
  }
};

}  // namespace

TEST_F(PosixOutputs, AProfileReachedByAnotherPathIsStillOnlyRead) {
  ASSERT_EQ(symlink(host("organize\\ann").c_str(), host("ann-link").c_str()), 0);
  ASSERT_EQ(link(host("organize\\bob").c_str(), host("bob-too").c_str()), 0);
  ASSERT_EQ(symlink(host("organize").c_str(), host("organize-link").c_str()), 0);
  const std::string ann = work.read("organize\\ann");
  const std::string bob = work.read("organize\\bob");
  const std::vector<std::vector<std::string>> commands = {
      {"export", "organize", "-o", "ann-link", "--force"},
      {"export", "organize", "--aol-links", "bob-too", "--force"},
      {"export", "organize", "-o", "organize-link/new.html"},
      {"export", "organize-link", "-o", "organize/new.html"},
      {"import", "organize", "--to", "bob-too"},
      {"import", "organize", "--to", "organize-link"},
  };
  for (const std::vector<std::string>& command : commands) {
    CliRun refused = run(command);
    EXPECT_EQ(refused.exitCode, 2) << command[3];
    EXPECT_EQ(linesOf(refused.err).size(), 1u) << refused.err;
    EXPECT_TRUE(contains(refused.err, "would write into the AOL profile folder")) << refused.err;
  }
  EXPECT_EQ(work.read("organize\\ann"), ann);
  EXPECT_EQ(work.read("organize\\bob"), bob);
  EXPECT_FALSE(exists("organize\\new.html"));

  // Two names of one file outside the profile folder.
  work.write("out.html", "old");
  ASSERT_EQ(symlink("out.html", host("out-link.html").c_str()), 0);
  CliRun both = run({"export", "organize", "-o", "out.html", "--aol-links", "out-link.html", "--force"});
  EXPECT_EQ(both.exitCode, 2);
  EXPECT_TRUE(contains(both.err, "-o and --aol-links name one file")) << both.err;

  // A link to nothing is neither replaced nor followed.
  ASSERT_EQ(symlink("nowhere/b.html", host("gone.html").c_str()), 0);
  for (bool force : {false, true}) {
    std::vector<std::string> command{"export", "organize", "-o", "gone.html"};
    if (force) command.push_back("--force");
    CliRun dangling = run(command);
    EXPECT_EQ(dangling.exitCode, 2);
    EXPECT_EQ(linesOf(dangling.err),
              std::vector<std::string>{"placemove-cli: 'gone.html' is a symbolic link to a file that is not there"});
  }
  EXPECT_EQ(work.read("out.html"), "old");
}

TEST_F(PosixOutputs, AReplacedFileKeepsItsPermissions) {
  work.write("private.html", "old");
  work.write("links.txt", "old");
  ASSERT_EQ(chmod(host("private.html").c_str(), 0600), 0);
  ASSERT_EQ(chmod(host("links.txt").c_str(), 0640), 0);
  CliRun forced = run({"export", "organize", "-o", "private.html", "--aol-links", "links.txt", "--force"});
  EXPECT_EQ(forced.exitCode, 0) << forced.err;
  EXPECT_TRUE(contains(work.read("private.html"), "http://news.example/"));
  EXPECT_EQ(modeOf("private.html"), 0600u);
  EXPECT_EQ(modeOf("links.txt"), 0640u);
}

TEST_F(PosixOutputs, PathsAsLongAsTheSystemTakes) {
  // 6 folders of 60 characters: longer than any Windows path.
  std::string folder;
  for (int i = 0; i < 6; ++i) {
    folder += (i == 0 ? "" : "\\") + std::string(59, 'd') + std::to_string(i);
    work.makeDirectory(folder);
  }
  std::string deep = userPath(folder) + "/bookmarks.html";
  CliRun exported = run({"export", "organize", "-o", deep, "--aol-links", userPath(folder) + "/links.txt"});
  EXPECT_EQ(exported.exitCode, 0) << exported.err;
  EXPECT_TRUE(contains(work.read(folder + "\\bookmarks.html"), "http://news.example/"));

  // A name longer than the file system takes is refused before any profile
  // is looked for: the missing folder is never searched.
  std::string tooLong(300, 'n');
  CliRun refused = run({"export", "absent", "-o", tooLong});
  EXPECT_EQ(refused.exitCode, 1);
  ASSERT_EQ(linesOf(refused.err).size(), 1u) << refused.err;
  EXPECT_TRUE(contains(refused.err, "placemove-cli: '" + tooLong + "': ")) << refused.err;
}

namespace {

// Starts placemove-cli with these arguments, its output discarded; its pid.
pid_t startCli(const std::vector<std::string>& arguments) {
  std::vector<std::string> words{PLACEMOVE_CLI};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(&word[0]);
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  for (int descriptor : {0, 1, 2}) {
    posix_spawn_file_actions_addopen(&actions, descriptor, "/dev/null", descriptor == 0 ? O_RDONLY : O_WRONLY, 0);
  }
  pid_t pid = -1;
  EXPECT_EQ(posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ), 0);
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

bool isThere(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

}  // namespace

TEST_F(PosixOutputs, ASignalEndsAnExportWithoutAPartOfAFile) {
  saveProfile("organize\\large", largeProfile(50000));
  work.write("bookmarks.html", "old");
  work.write("links.txt", "old links");
  const std::vector<std::string> before = work.tree();
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
    pid_t pid = startCli({"export", host("organize"), "-o", host("bookmarks.html"), "--aol-links",
                          host("links.txt"), "--force"});
    ASSERT_GT(pid, 0);
    // Both temporary files exist as soon as the export has begun.
    bool begun = false;
    for (int wait = 0; wait < 200000 && !begun; ++wait) {
      begun = isThere(host("bookmarks.html.1.partial")) && isThere(host("links.txt.1.partial"));
      if (!begun) usleep(100);
    }
    int status = 0;
    ASSERT_TRUE(begun) << "the export never began";
    ASSERT_EQ(waitpid(pid, &status, WNOHANG), 0) << "the export ended before the signal";
    kill(pid, signal);
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status)) << "signal " << signal;
    EXPECT_EQ(WEXITSTATUS(status), 128 + signal);
    EXPECT_EQ(work.tree(), before) << "signal " << signal;
  }
  EXPECT_EQ(work.read("bookmarks.html"), "old");
  EXPECT_EQ(work.read("links.txt"), "old links");
}
