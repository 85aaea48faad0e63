// Fuzzes the favourites writer behind the organize-file reader: each input
// is written to a file in memory-backed storage and imported into a folder
// of its own, and what was written is checked and removed again.
#include "favorites/tests/WriterProperties.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string folder;
std::string path;
std::string sandbox;

void removeFolder() {
  unlink(path.c_str());
  rmdir(sandbox.c_str());
  rmdir(folder.c_str());
}

void fail(const std::string& fault) {
  std::fprintf(stderr, "favourites writer fault: %s\n", fault.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  char name[] = "/dev/shm/placemove-fuzz-XXXXXX";
  if (mkdtemp(name) == nullptr) fail("cannot make a folder in /dev/shm");
  folder = name;
  path = folder + "/organize";
  sandbox = folder + "/sandbox";
  if (mkdir(sandbox.c_str(), 0700) != 0) fail("cannot make " + sandbox);
  std::atexit(removeFolder);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  int file = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (file < 0 || write(file, data, size) != static_cast<ssize_t>(size) || close(file) != 0) {
    fail("cannot write " + path);
  }
  std::string fault = writerFault(path, sandbox);
  if (!fault.empty()) fail(fault);
  return 0;
}
