// An open organize file with the bounds that keep reading it finite: its
// size, and the bytes one operation may still read.
#pragma once

#include <windows.h>

namespace organize {

const DWORD MaxIndexLength = 16 * 1024 * 1024;
const DWORD MaxRecordLength = 1024 * 1024;

// A heap block of LocalAlloc, freed when the holder goes.
class Block {
public:
  Block() = default;
  explicit Block(DWORD size);  // throws mirrex::Win32Error "LocalAlloc" on exhaustion
  ~Block();
  Block(Block&& other) noexcept;
  Block& operator=(Block&& other) noexcept;
  Block(const Block&) = delete;
  Block& operator=(const Block&) = delete;

  BYTE* bytes() const { return bytes_; }
  bool empty() const { return bytes_ == nullptr; }

private:
  BYTE* bytes_ = nullptr;
};

class ProfileFile {
public:
  explicit ProfileFile(const char* path);  // throws what openProfileFile throws
  ~ProfileFile();
  ProfileFile(const ProfileFile&) = delete;
  ProfileFile& operator=(const ProfileFile&) = delete;

  // readAt within the bounds: false as well when the range passes the end of
  // the file or the reading budget.
  bool read(DWORD offset, void* buffer, DWORD count);
  // The data of the record at `offset`, at most `maxLength` bytes long, in a
  // block one byte longer that ends with a NUL. Empty when the record is
  // absent: at offset 0 (the file's header, which an index entry of 0 or
  // no entry at all stands for), short, longer than maxLength, or without
  // the "RS" signature when `signature` is required.
  Block readRecord(DWORD offset, DWORD maxLength, bool signature, DWORD& length);
  // The record index: as readRecord, except that an index longer than
  // MaxIndexLength is used up to its first MaxIndexLength bytes.
  Block readIndex(DWORD offset, bool signature, DWORD& length);

private:
  // The header of the record at `offset`; false when it is absent.
  bool readHeader(DWORD offset, bool signature, DWORD& dataLength);
  // The first `used` of the `dataLength` data bytes of the record at
  // `offset`; empty when the whole record does not lie within the file.
  Block readData(DWORD offset, DWORD dataLength, DWORD used, DWORD& length);

  HANDLE handle_;
  ULONGLONG size_;
  ULONGLONG budget_;
};

}  // namespace organize
