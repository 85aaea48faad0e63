// Fuzzes the favourites writer behind the organize-file reader: each input
// is read as an organize file in memory and imported into a folder of its
// own in memory-backed storage, and what was written is checked and removed
// again.
#include "favorites/tests/WriterProperties.h"
#include "fuzz/Scratch.h"

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
  std::string fault = writerFault(std::string(reinterpret_cast<const char*>(data), size), sandbox);
  if (!fault.empty()) fail(fault);
  return 0;
}
