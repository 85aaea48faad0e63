// Byte output streams, stacked: each stage holds a pointer to the next one
// and does not own it. The shortcut files are written through
// StreamWriter -> BufferedOutputStream -> FileOutputStream. Every failure of
// the system is thrown as a mirrex::FileError whose cause is a Win32Error.
#pragma once

#include "favorites/Texts.h"
#include "support/LocalMemory.h"

#include <windows.h>

class OutputStream {
public:
  // A FileOutputStream's destructor may throw (see there), so every stream's
  // may.
  virtual ~OutputStream() noexcept(false) {}
  virtual void write(const void* data, DWORD size) = 0;
  virtual void flush() = 0;
  virtual void close() = 0;

  OutputStream(const OutputStream&) = delete;
  OutputStream& operator=(const OutputStream&) = delete;

protected:
  OutputStream() = default;
};

// A stream on a Windows file. It owns its handle and its name.
class FileOutputStream : public OutputStream {
public:
  // Takes over `handle` (INVALID_HANDLE_VALUE for a closed stream) and keeps
  // a copy of `name`.
  FileOutputStream(HANDLE handle, const char* name);
  // Closes a handle that is still open. A failure of that close is thrown
  // as FileError EventCloseOutputFile, unless an exception is already on its
  // way (throwing then would end the process).
  ~FileOutputStream() noexcept(false) override;

  // Keeps `name` and creates the file for writing with CREATE_ALWAYS: true
  // when the file is new, false when an existing one was truncated.
  bool open(const char* name);
  // Creates the named file for writing, readers allowed, on a closed
  // stream. True unless the system reports ERROR_ALREADY_EXISTS. Throws
  // FileError EventCreateOutputFile and leaves the stream closed on failure.
  bool create(DWORD disposition);
  bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

  // Writes all `size` bytes; throws FileError EventWriteOutputFile, the
  // stream staying open with part of the bytes written.
  void write(const void* data, DWORD size) override;
  void flush() override {}
  // Closes the handle. The stream is closed afterwards even when this throws
  // FileError EventCloseOutputFile.
  void close() override;

private:
  const char* nameText() const { return name_ ? name_.get() : ""; }

  HANDLE handle_;
  LocalText name_;
};

// Collects small writes into one 4096-byte buffer in front of `next`. Writes
// that do not fit into the room left pass straight through, behind the
// bytes held. Destroying it without flush or close loses the bytes held.
class BufferedOutputStream : public OutputStream {
public:
  static constexpr DWORD Capacity = 4096;

  explicit BufferedOutputStream(OutputStream* next) : next_(next), count_(0) {}

  void write(const void* data, DWORD size) override;
  // Hands the bytes held to `next`, then flushes it. When that write throws,
  // the bytes stay held.
  void flush() override;
  void close() override;

private:
  OutputStream* next_;
  BYTE buffer_[Capacity];
  DWORD count_;
};

// Forwards to `next`, and writes texts and hexadecimal bytes one byte a call.
class StreamWriter : public OutputStream {
public:
  explicit StreamWriter(OutputStream* next) : next_(next) {}

  void write(const void* data, DWORD size) override { next_->write(data, size); }
  void flush() override { next_->flush(); }
  void close() override { next_->close(); }

  // The characters before the terminator.
  void writeString(const char* text);
  // Two upper-case hexadecimal digits, the high one first.
  void writeHexByte(BYTE byte);

private:
  OutputStream* next_;
};
