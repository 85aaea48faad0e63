// A stream of an export's file that hands its bytes to the worker's
// script as they come: a file of the in-memory file system would be grown
// and copied again and again as it is written.
#pragma once

#include "favorites/OutputStreams.h"
#include "web/PageEvents.h"

class PageOutputStream : public OutputStream {
 public:
  explicit PageOutputStream(PageFile file) : file_(file) {}

  void write(const void* data, DWORD size) override { pageOutput(file_, data, size); }
  void flush() override {}
  void close() override {}

 private:
  PageFile file_;
};
