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

Block ProfileFile::readRecord(DWORD offset, DWORD maxLength, bool signature, DWORD& length) {
  BYTE header[RecordHeaderSize];
  if (!read(offset, header, RecordHeaderSize)) return Block();
  RecordHeader record = decodeRecordHeader(header);
  if ((signature && !record.hasSignature) || record.length > maxLength) return Block();
  // Checked before allocating: a length that passes the end of the file
  // never costs memory.
  ULONGLONG dataOffset = static_cast<ULONGLONG>(offset) + RecordHeaderSize;
  if (dataOffset > 0x7FFFFFFF || dataOffset + record.length > size_) return Block();
  Block data(record.length + 1);
  if (!read(static_cast<DWORD>(dataOffset), data.bytes(), record.length)) return Block();
  data.bytes()[record.length] = '\0';
  length = record.length;
  return data;
}

}  // namespace organize
