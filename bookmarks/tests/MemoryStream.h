// An output stream that keeps what it is given, for the tests of the
// bookmarks writer.
#pragma once

#include "favorites/OutputStreams.h"

#include <string>

class MemoryStream : public OutputStream {
public:
  std::string bytes;
  int writes = 0;

  void write(const void* data, DWORD size) override {
    bytes.append(static_cast<const char*>(data), size);
    ++writes;
  }
  void flush() override {}
  void close() override {}
};
