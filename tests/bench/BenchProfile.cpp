// Writes the organize file of the benchmark's generated profile:
//   BenchProfile <favourites> <file>
#include "tests/builder/LargeProfile.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 3 || std::atoi(argv[1]) <= 0) {
    std::fprintf(stderr, "usage: BenchProfile <favourites> <file>\n");
    return 2;
  }
  builder::OrganizeFile(builder::largeProfile(std::atoi(argv[1]))).save(argv[2]);
  return 0;
}
