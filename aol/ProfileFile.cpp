#include "aol/ProfileFile.h"

#include "aol/OrganizeFile.h"
#include "aol/OrganizeFormat.h"
#include "support/Errors.h"

HANDLE openProfileFile(const char* path) {
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_FLAG_RANDOM_ACCESS, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw mirrex::Win32Error("CreateFile");
  return file;
}

bool readAt(HANDLE file, DWORD offset, void* buffer, DWORD count) {
  // SetFilePointer takes a signed 32-bit distance from the beginning.
  if (offset > 0x7FFFFFFF) return false;
  if (SetFilePointer(file, static_cast<LONG>(offset), nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER &&
      GetLastError() != NO_ERROR) {
    throw mirrex::Win32Error("SetFilePointer");
  }
  BYTE* next = static_cast<BYTE*>(buffer);
  while (count > 0) {
    DWORD got = 0;
    if (!ReadFile(file, next, count, &got, nullptr)) throw mirrex::Win32Error("ReadFile");
    if (got == 0) return false;
    next += got;
    count -= got;
  }
  return true;
}

namespace organize {

Block::Block(DWORD size) : bytes_(static_cast<BYTE*>(LocalAlloc(LMEM_FIXED, size))) {
  if (bytes_ == nullptr) throw mirrex::Win32Error("LocalAlloc", ERROR_NOT_ENOUGH_MEMORY);
}

Block::~Block() { LocalFree(bytes_); }

Block::Block(Block&& other) noexcept : bytes_(other.bytes_) { other.bytes_ = nullptr; }

Block& Block::operator=(Block&& other) noexcept {
  if (this != &other) {
    LocalFree(bytes_);
    bytes_ = other.bytes_;
    other.bytes_ = nullptr;
  }
  return *this;
}

namespace {

ULONGLONG sizeOf(HANDLE file) {
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file, &size)) {
    DWORD code = GetLastError();
    CloseHandle(file);
    throw mirrex::Win32Error("GetFileSize", code);
  }
  return static_cast<ULONGLONG>(size.QuadPart);
}

}  // namespace

// A well-formed file is read about once; twice its size and a megabyte
// leaves room for anything but records that overlap or are read again.
ProfileFile::ProfileFile(const char* path)
    : handle_(openProfileFile(path)), size_(sizeOf(handle_)), budget_(2 * size_ + 1024 * 1024) {}

ProfileFile::~ProfileFile() { CloseHandle(handle_); }

bool ProfileFile::read(DWORD offset, void* buffer, DWORD count) {
  if (static_cast<ULONGLONG>(offset) + count > size_ || count > budget_) return false;
  budget_ -= count;
  return readAt(handle_, offset, buffer, count);
}

bool ProfileFile::readHeader(DWORD offset, bool signature, DWORD& dataLength) {
  BYTE header[RecordHeaderSize];
  if (offset == 0 || !read(offset, header, RecordHeaderSize)) return false;
  RecordHeader record = decodeRecordHeader(header);
  if (signature && !record.hasSignature) return false;
  dataLength = record.length;
  return true;
}

// Checked before allocating: a length that passes the end of the file, or
// the bytes left to read, never costs memory.
Block ProfileFile::readData(DWORD offset, DWORD dataLength, DWORD used, DWORD& length) {
  ULONGLONG dataOffset = static_cast<ULONGLONG>(offset) + RecordHeaderSize;
  if (dataOffset > 0x7FFFFFFF || dataOffset + dataLength > size_ || used > budget_) return Block();
  Block data(used + 1);
  if (!read(static_cast<DWORD>(dataOffset), data.bytes(), used)) return Block();
  data.bytes()[used] = '\0';
  length = used;
  return data;
}

Block ProfileFile::readRecord(DWORD offset, DWORD maxLength, bool signature, DWORD& length) {
  DWORD dataLength = 0;
  if (!readHeader(offset, signature, dataLength) || dataLength > maxLength) return Block();
  return readData(offset, dataLength, dataLength, length);
}

Block ProfileFile::readIndex(DWORD offset, bool signature, DWORD& length) {
  DWORD dataLength = 0;
  if (!readHeader(offset, signature, dataLength)) return Block();
  return readData(offset, dataLength, dataLength < MaxIndexLength ? dataLength : MaxIndexLength, length);
}

}  // namespace organize
