// An organize file on disk as a source of the reader. Organize files are
// only ever read, with read and write sharing, so that a file the AOL client
// holds open can still be read.
#pragma once

#include "aol/organize/ByteSource.h"

#include <windows.h>

// Opens the file for reading with read and write sharing; throws
// mirrex::Win32Error "CreateFile" when it cannot.
HANDLE openProfileFile(const char* path);

// Reads exactly `count` bytes at `offset`. False when the file ends first
// or the offset is 2^31 or more; throws mirrex::Win32Error "ReadFile" when a
// read fails.
bool readAt(HANDLE file, DWORD offset, void* buffer, DWORD count);

namespace organize {

// The open file, closed when the source goes.
class FileSource : public ByteSource {
public:
  // Throws what openProfileFile throws, and mirrex::Win32Error "GetFileSize".
  explicit FileSource(const char* path);
  ~FileSource() override;
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;

  ULONGLONG size() const override { return size_; }
  bool read(DWORD offset, void* buffer, DWORD count) override;

private:
  HANDLE handle_;
  ULONGLONG size_;
};

}  // namespace organize
