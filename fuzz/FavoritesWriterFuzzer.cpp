// Fuzzes the favourites writer behind the organize-file reader: each input
// is written to a file in memory-backed storage and imported into a folder
// of its own, and what was written is checked and removed again.
#include "Scratch.h"
#include "favorites/tests/WriterProperties.h"

#include <cstdint>
#include <string>
#include <sys/stat.h>

namespace {

std::string sandbox;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  makeScratchFolder();
  sandbox = scratchFolder() + "/sandbox";
  if (mkdir(sandbox.c_str(), 0700) != 0) fail("cannot make " + sandbox);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  writeInput(data, size);
  std::string fault = writerFault(inputFile(), sandbox);
  if (!fault.empty()) fail(fault);
  return 0;
}
