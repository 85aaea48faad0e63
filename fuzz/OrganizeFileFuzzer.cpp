// Fuzzes the organize-file readers: each input is recognised and walked as
// an AOL profile, read from memory.
// Besides what organizeFileFault checks, the readers may hold no more heap
// than four times what the file holds: the index, its walked bits, one item
// and one URL record are each at most the file, and nothing else grows.
#include "aol/organize/tests/OrganizeProperties.h"
#include "fuzz/Scratch.h"

#include <standin.h>

#include <cstdint>
#include <string>

namespace {

const SIZE_T HeapSlack = 64 * 1024;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);

  SIZE_T before = standin::localMemoryInUse();
  standin::resetLocalMemoryPeak();
  std::string fault = organizeFileFault(bytes);
  if (!fault.empty()) fail(fault);
  SIZE_T held = standin::localMemoryPeak() - before;
  if (held > 4 * size + HeapSlack) {
    fail("held " + std::to_string(held) + " bytes of heap for a file of " + std::to_string(size));
  }
  return 0;
}
