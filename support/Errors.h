// The exceptions through which every failure of the program is reported.
// They are thrown by value and caught by reference to mirrex::BaseError;
// each renders its own text into a caller's buffer with formatMessage.
#pragma once

#include <windows.h>

#include <string>

namespace mirrex {

// Message identifiers, laid out as message-table identifiers (customer bit
// set, facility 0). The program carries no message table, so their lookup
// yields no text; they still tell what was being done.
const DWORD EventCreateOutputFile = 0x20000002;
const DWORD EventWriteOutputFile = 0x20000004;
const DWORD EventSearchDirectory = 0x20000005;
const DWORD EventCloseOutputFile = 0x20000006;
const DWORD EventOpenRegistryKey = 0x20000009;
const DWORD EventReadRegistryValue = 0x2000000A;

class BaseError {
public:
  virtual ~BaseError() = default;
  // Writes the error's text into `buffer` of `size` characters and returns
  // the number of characters of text. A text that fits is terminated; when
  // there is no text, the buffer holds the empty text. Never throws and never
  // allocates.
  virtual DWORD formatMessage(char* buffer, DWORD size) const = 0;
  // A heap copy of the same dynamic type, or null when memory is exhausted.
  virtual BaseError* clone() const = 0;

protected:
  BaseError() = default;
  BaseError(const BaseError&) = default;
  BaseError& operator=(const BaseError&) = delete;
};

// A system routine failed; `functionName` is its name without the
// character-set suffix ("CreateFile", not "CreateFileA").
class FunctionError : public BaseError {
public:
  const std::string functionName;

protected:
  explicit FunctionError(const std::string& functionName);
  FunctionError(const FunctionError&) = default;
};

class Win32Error : public FunctionError {
public:
  const DWORD code;

  // Takes the calling thread's last-error code: construct it right after the
  // failing call.
  explicit Win32Error(const std::string& functionName);
  Win32Error(const std::string& functionName, DWORD code);
  Win32Error(const Win32Error&) = default;

  DWORD formatMessage(char* buffer, DWORD size) const override;
  BaseError* clone() const override;
};

class SocketError : public FunctionError {
public:
  const int code;

  SocketError(const std::string& functionName, int code);
  SocketError(const SocketError&) = default;

  DWORD formatMessage(char* buffer, DWORD size) const override;
  BaseError* clone() const override;
};

class BaseEvent : public BaseError {
public:
  const DWORD eventId;

  explicit BaseEvent(DWORD eventId);
  BaseEvent(const BaseEvent&) = default;

  DWORD formatMessage(char* buffer, DWORD size) const override;
  BaseError* clone() const override;
};

class IOError : public BaseEvent {
protected:
  explicit IOError(DWORD eventId);
  IOError(const IOError&) = default;
};

// An error about a file or directory, with the system error as its cause.
class FileError : public IOError {
public:
  const std::string path;

  // Keeps a clone of `cause`, never `cause` itself.
  FileError(DWORD eventId, const std::string& path, const BaseError& cause);
  FileError(const FileError& other);
  ~FileError() override;

  DWORD formatMessage(char* buffer, DWORD size) const override;
  BaseError* clone() const override;
  // The cause, or null when it could not be copied.
  const BaseError* cause() const { return cause_; }

private:
  BaseError* const cause_;
};

// An error about a registry key, with the system error as its cause.
class RegError : public BaseEvent {
public:
  const std::string keyName;

  RegError(DWORD eventId, const std::string& keyName, const BaseError& cause);
  RegError(const RegError& other);
  ~RegError() override;

  DWORD formatMessage(char* buffer, DWORD size) const override;
  BaseError* clone() const override;
  const BaseError* cause() const { return cause_; }

private:
  BaseError* const cause_;
};

// An error about a registry value. Its key name is always "?": the value's
// key is not recorded.
class RegValueError : public RegError {
public:
  const std::string valueName;

  RegValueError(DWORD eventId, const std::string& valueName, const BaseError& cause);
  RegValueError(const RegValueError&) = default;

  DWORD formatMessage(char* buffer, DWORD size) const override;
  BaseError* clone() const override;
};

// The text of `error` in `text` (`size` characters, at least 1), always
// terminated: a text that fills the buffer loses its last character.
void formatErrorText(const BaseError& error, char* text, DWORD size);

}  // namespace mirrex
