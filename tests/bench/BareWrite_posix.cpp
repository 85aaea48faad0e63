// The native benchmark's baseline: writes the tree that importing the
// generated profile with placemove-cli writes, the same folders and the same
// shortcut bytes, with nothing but mkdir, open, write and close, and prints
// the milliseconds the writing took:
//   BareWrite <favourites> <new folder>
#include "tests/builder/LargeProfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

namespace {

// A Modified line of the length the import writes: 8 time bytes and a
// check byte in hexadecimal.
const char ModifiedLine[] = "Modified=00D3C1B2A194DB0199\r\n";

void write(const std::vector<builder::Item>& items, const std::string& folder) {
  for (const builder::Item& item : items) {
    std::string path = folder + "/" + item.title;
    if (!item.hasUrl) {
      mkdir(path.c_str(), 0777);
      write(item.children, path);
      continue;
    }
    std::string bytes = "[InternetShortcut]\r\nURL=" + item.url + "\r\n" + ModifiedLine;
    int file = open((path + ".url").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (file < 0) continue;
    if (::write(file, bytes.data(), bytes.size()) < 0) std::perror(path.c_str());
    close(file);
  }
}

long long milliseconds() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1000LL + now.tv_nsec / 1000000;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 || std::atoi(argv[1]) <= 0) {
    std::fprintf(stderr, "usage: BareWrite <favourites> <new folder>\n");
    return 2;
  }
  builder::Profile profile = builder::largeProfile(std::atoi(argv[1]));
  long long start = milliseconds();
  mkdir(argv[2], 0777);
  write(profile.topLevel.front().children, argv[2]);
  std::printf("%lld\n", milliseconds() - start);
  return 0;
}
