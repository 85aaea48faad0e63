#include "Scratch.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <ftw.h>
#include <unistd.h>

namespace {

std::string folder;
std::string input;

int removeEntry(const char* path, const struct stat*, int, struct FTW*) { return remove(path); }

void removeFolder() { nftw(folder.c_str(), removeEntry, 16, FTW_DEPTH | FTW_PHYS); }

}  // namespace

void fail(const std::string& fault) {
  std::fprintf(stderr, "fault: %s\n", fault.c_str());
  std::abort();
}

void makeScratchFolder() {
  char name[] = "/dev/shm/placemove-fuzz-XXXXXX";
  if (mkdtemp(name) == nullptr) fail("cannot make a folder in /dev/shm");
  folder = name;
  input = folder + "/organize";
  std::atexit(removeFolder);
}

const std::string& scratchFolder() { return folder; }

const std::string& inputFile() { return input; }

void writeInput(const std::uint8_t* data, std::size_t size) {
  int file = open(input.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (file < 0 || write(file, data, size) != static_cast<ssize_t>(size) || close(file) != 0) {
    fail("cannot write " + input);
  }
}
