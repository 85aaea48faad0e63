// Natively a folder can hold what a Windows folder cannot: a named pipe,
// a socket, a device. Each is reported and skipped, without waiting for
// what is at its other end.
#include "cli/tests/CliFixture.h"

#include <chrono>
#include <cstdlib>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace builder;

TEST_F(CliTest, PipesSocketsAndDevicesAreSkippedWithoutWaiting) {
  work.makeDirectory("organize");
  saveProfile("organize\\ann", Profile{"Ann", {favoritePlaces({favorite("News", "http://news.example/")})}});
  std::string folder = userPath(work / "organize");
  ASSERT_EQ(mkfifo((folder + "/pipe").c_str(), 0600), 0);
  ASSERT_EQ(symlink("/dev/null", (folder + "/device").c_str()), 0);
  int listening = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::string socketPath = folder + "/socket";
  ASSERT_LT(socketPath.size(), sizeof address.sun_path);
  socketPath.copy(address.sun_path, socketPath.size());
  ASSERT_EQ(bind(listening, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  // Should a command wait on the pipe, its other end opens after half a
  // minute: the test fails on the time taken rather than hangs.
  ASSERT_EQ(std::system(("(sleep 30; : >'" + folder + "/pipe') >/dev/null 2>&1 </dev/null &").c_str()), 0);

  const std::vector<std::vector<std::string>> commands{
      {"list", "organize"}, {"export", "organize", "-o", "out.html"}, {"import", "organize", "--to", "out"}};
  for (const std::vector<std::string>& command : commands) {
    auto start = std::chrono::steady_clock::now();
    CliRun ran = run(command);
    std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed.count(), 20.0) << command[0];
    EXPECT_EQ(ran.exitCode, 1) << command[0] << ": " << ran.err;
    for (const char* name : {"pipe", "socket", "device"}) {
      EXPECT_TRUE(contains(ran.err, "cannot read 'organize/" + std::string(name) + "', skipped: ")) << ran.err;
    }
    std::vector<std::string> lines = linesOf(ran.err);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Skipped, unreadable profile: 3"), lines.end()) << ran.err;
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Profiles read: 1"), lines.end()) << ran.err;
  }
  close(listening);
  EXPECT_TRUE(exists("out\\News.url"));
}
