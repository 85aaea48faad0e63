#include "aol/organize/FileSource.h"

#include "support/Errors.h"

#include <cstring>

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

// The window, allocated last, is released by its owner when the constructor
// throws after it; the handle needs closing by hand.
FileSource::FileSource(const char* path)
    : handle_(openProfileFile(path)), size_(sizeOf(handle_)), windowOffset_(0), windowLength_(0) {
  try {
    window_ = allocateLocalBlock(WindowSize);
  } catch (...) {
    CloseHandle(handle_);
    throw;
  }
}

FileSource::~FileSource() { CloseHandle(handle_); }

bool FileSource::read(DWORD offset, void* buffer, DWORD count) {
  if (count > WindowSize || offset > 0x7FFFFFFF) return readAt(handle_, offset, buffer, count);
  bool inWindow = offset >= windowOffset_ && static_cast<ULONGLONG>(offset) + count <=
                                                  static_cast<ULONGLONG>(windowOffset_) + windowLength_;
  if (!inWindow && (!fill(offset) || count > windowLength_)) return readAt(handle_, offset, buffer, count);
  std::memcpy(buffer, window_.get() + (offset - windowOffset_), count);
  return true;
}

bool FileSource::fill(DWORD offset) {
  windowOffset_ = offset;
  windowLength_ = 0;
  if (offset >= size_) return false;
  ULONGLONG left = size_ - offset;
  DWORD length = left < WindowSize ? static_cast<DWORD>(left) : WindowSize;
  if (!readAt(handle_, offset, window_.get(), length)) return false;
  windowLength_ = length;
  return true;
}

}  // namespace organize
