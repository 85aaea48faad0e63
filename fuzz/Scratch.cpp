#include "fuzz/Scratch.h"

#include <cstdio>
#include <cstdlib>
#include <ftw.h>

namespace {

std::string folder;

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
  std::atexit(removeFolder);
}

const std::string& scratchFolder() { return folder; }

