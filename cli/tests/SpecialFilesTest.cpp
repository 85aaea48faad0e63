// Natively a folder can hold what a Windows folder cannot: a named pipe,
// a socket, a device. Each is reported and skipped, without waiting for
// what is at its other end.
#include "cli/tests/CliFixture.h"

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

using namespace builder;

namespace {

// Opens the pipe's other end after half a minute, so that a program
// waiting on it goes on and the test fails rather than hangs.
class PipeRescue {
public:
  explicit PipeRescue(const std::string& path)
      : thread_([this, path] {
          for (int tenth = 0; tenth < 300 && !done_; ++tenth) std::this_thread::sleep_for(std::chrono::milliseconds(100));
          while (!done_) {
            int end = open(path.c_str(), O_WRONLY | O_NONBLOCK);
            if (end >= 0) close(end);
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
          }
        }) {}
  ~PipeRescue() {
    done_ = true;
    thread_.join();
  }

private:
  std::atomic<bool> done_{false};
  std::thread thread_;
};

}  // namespace

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

  PipeRescue rescue(folder + "/pipe");
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
