// Writes the sample AOL profiles into a folder, creating it as needed:
//   MakeSampleProfiles <folder>
// scripts/run.sh starts the program on that folder.
#include "favorites/Paths.h"
#include "tests/builder/SampleProfiles.h"

#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: MakeSampleProfiles <folder>\n");
    return 2;
  }
  const char* folder = argv[1];
  createDirectoryTree(folder);  // false also for a folder that exists already
  if (DWORD error = builder::writeSampleProfiles(folder)) {
    std::fprintf(stderr, "cannot write the sample profiles into %s: error %lu\n", folder,
                 static_cast<unsigned long>(error));
    return 1;
  }
  for (const builder::SampleProfile& sample : builder::sampleProfiles()) {
    std::printf("  %s (screen name %s)\n", sample.fileName.c_str(), sample.profile.screenName.c_str());
  }
  return 0;
}
