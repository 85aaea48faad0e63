// Fuzzes the organize-file readers: each input is written to a file in
// memory-backed storage, then recognised and walked as an AOL profile.
// Besides what organizeFileFault checks, the readers may hold no more heap
// than four times what the file holds: the index, its walked bits, one item
// and one URL record are each at most the file, and nothing else grows.
#include "aol/tests/OrganizeProperties.h"

#include <standin.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {

const SIZE_T HeapSlack = 64 * 1024;

std::string folder;
std::string path;

void removeFolder() {
  unlink(path.c_str());
  rmdir(folder.c_str());
}

void fail(const std::string& fault) {
  std::fprintf(stderr, "organize file fault: %s\n", fault.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  char name[] = "/dev/shm/placemove-fuzz-XXXXXX";
  if (mkdtemp(name) == nullptr) fail("cannot make a folder in /dev/shm");
  folder = name;
  path = folder + "/organize";
  std::atexit(removeFolder);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  int file = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (file < 0 || write(file, data, size) != static_cast<ssize_t>(size) || close(file) != 0) {
    fail("cannot write " + path);
  }
  std::string bytes(reinterpret_cast<const char*>(data), size);

  SIZE_T before = standin::localMemoryInUse();
  standin::resetLocalMemoryPeak();
  std::string fault = organizeFileFault(path, bytes);
  if (!fault.empty()) fail(fault);
  SIZE_T held = standin::localMemoryPeak() - before;
  if (held > 4 * size + HeapSlack) {
    fail("held " + std::to_string(held) + " bytes of heap for a file of " + std::to_string(size));
  }
  return 0;
}
