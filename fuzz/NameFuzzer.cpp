// Fuzzes the name helpers: escaping into any room, making a component safe
// from device names, and turning every name made back into its source.
#include "favorites/tests/NameProperties.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string fault = nameHelperFault(std::string(reinterpret_cast<const char*>(data), size));
  if (!fault.empty()) {
    std::fprintf(stderr, "name helper fault: %s\n", fault.c_str());
    std::abort();
  }
  return 0;
}
