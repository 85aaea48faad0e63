#include "favorites/OutputStreams.h"

#include "support/Errors.h"

#include <cstring>
#include <exception>

FileOutputStream::FileOutputStream(HANDLE handle, const char* name) : handle_(handle), name_(duplicateString(name)) {}

FileOutputStream::~FileOutputStream() noexcept(false) {
  if (!isOpen()) return;
  if (std::uncaught_exceptions() == 0) {
    close();
  } else {
    // A second exception would end the process: the handle is closed all
    // the same, and the one on its way is the one reported.
    CloseHandle(handle_);
  }
}

bool FileOutputStream::open(const char* name) {
  name_.reset(duplicateString(name));
  return create(CREATE_ALWAYS);
}

bool FileOutputStream::create(DWORD disposition) {
  handle_ =
      CreateFileA(nameText(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, disposition, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  DWORD code = GetLastError();
  if (handle_ == INVALID_HANDLE_VALUE) {
    throw mirrex::FileError(mirrex::EventCreateOutputFile, nameText(), mirrex::Win32Error("CreateFile", code));
  }
  return code != ERROR_ALREADY_EXISTS;
}

void FileOutputStream::write(const void* data, DWORD size) {
  const BYTE* next = static_cast<const BYTE*>(data);
  do {
    DWORD written = 0;
    if (!WriteFile(handle_, next, size, &written, nullptr)) {
      DWORD code = GetLastError();
      throw mirrex::FileError(mirrex::EventWriteOutputFile, nameText(), mirrex::Win32Error("WriteFile", code));
    }
    next += written;
    size -= written;
  } while (size > 0);
}

void FileOutputStream::close() {
  HANDLE handle = handle_;
  handle_ = INVALID_HANDLE_VALUE;
  if (!CloseHandle(handle)) {
    DWORD code = GetLastError();
    throw mirrex::FileError(mirrex::EventCloseOutputFile, nameText(), mirrex::Win32Error("CloseHandle", code));
  }
}

void BufferedOutputStream::write(const void* data, DWORD size) {
  DWORD room = Capacity - count_;
  if (size < room) {
    std::memcpy(buffer_ + count_, data, size);
    count_ += size;
  } else if (count_ == 0) {
    next_->write(data, size);
  } else if (size == room) {
    std::memcpy(buffer_ + count_, data, size);
    count_ = Capacity;
    flush();
  } else {
    flush();
    next_->write(data, size);
  }
}

void BufferedOutputStream::flush() {
  if (count_ > 0) {
    next_->write(buffer_, count_);
    count_ = 0;
  }
  next_->flush();
}

void BufferedOutputStream::close() {
  flush();
  next_->close();
}

void StreamWriter::writeString(const char* text) {
  for (const char* next = text; *next != '\0'; ++next) write(next, 1);
}

void StreamWriter::writeHexByte(BYTE byte) {
  static const char digits[] = "0123456789ABCDEF";
  write(&digits[byte >> 4], 1);
  write(&digits[byte & 0x0F], 1);
}
