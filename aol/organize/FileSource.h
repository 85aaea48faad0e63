// An organize file on disk as a source of the reader. Organize files are
// only ever read, with read and write sharing, so that a file the AOL client
// holds open can still be read.
#pragma once

#include "aol/organize/ByteSource.h"
#include "support/LocalMemory.h"

#include <windows.h>

// Opens the file for reading with read and write sharing; throws
// mirrex::Win32Error "CreateFile" when it cannot.
HANDLE openProfileFile(const char* path);

// Reads exactly `count` bytes at `offset`. False when the file ends first
// or the offset is 2^31 or more; throws mirrex::Win32Error "ReadFile" when a
// read fails.
bool readAt(HANDLE file, DWORD offset, void* buffer, DWORD count);

namespace organize {

// The open file, closed when the source goes. Reads go through a window of
// WindowSize bytes, filled by readAt where a read falls outside it: the walk
// reads small records mostly in file order, and one system call for each of
// them costs more than the rest of the walk. A read longer than the window
// (an index, say) goes straight to readAt.
class FileSource : public ByteSource {
public:
  static const DWORD WindowSize = 64 * 1024;

  // Throws what openProfileFile throws, mirrex::Win32Error "GetFileSize",
  // and mirrex::Win32Error "LocalAlloc" when memory is exhausted.
  explicit FileSource(const char* path);
  ~FileSource() override;
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;

  ULONGLONG size() const override { return size_; }
  bool read(DWORD offset, void* buffer, DWORD count) override;

private:
  // Fills the window from `offset`, as far as the file goes; false when the
  // file ends sooner than its size said.
  bool fill(DWORD offset);

  HANDLE handle_;
  ULONGLONG size_;
  LocalBlock window_;
  DWORD windowOffset_;
  // Bytes of the window that hold the file from windowOffset_ on.
  DWORD windowLength_;
};

}  // namespace organize
