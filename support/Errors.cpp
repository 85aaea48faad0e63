#include "support/Errors.h"

#include <cstdarg>
#include <new>

namespace mirrex {
namespace {

// Line width 80 in the low byte, message table of the program's own image.
const DWORD EventLookupFlags = FORMAT_MESSAGE_FROM_HMODULE | 80;
// Inserts in a system text (%1) are left as they stand: there are no
// arguments to put in.
const DWORD SystemTextFlags = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;

// Puts the empty text into a buffer that received no text.
DWORD terminated(char* buffer, DWORD size, DWORD count) {
  if (count == 0 && size > 0) buffer[0] = '\0';
  return count;
}

// The event's text with the inserts that follow `size` (NUL-terminated texts).
DWORD lookupEvent(DWORD eventId, char* buffer, DWORD size, ...) {
  va_list inserts;
  va_start(inserts, size);
  DWORD count = FormatMessageA(EventLookupFlags, nullptr, eventId, 0, buffer, size, &inserts);
  va_end(inserts);
  return terminated(buffer, size, count);
}

// The event's text, then CR LF and the cause's text when at least one
// character of it fits behind the break.
DWORD appendCause(char* buffer, DWORD size, DWORD position, const BaseError* cause) {
  if (position + 3 >= size) return position;
  buffer[position] = '\r';
  buffer[position + 1] = '\n';
  char* rest = buffer + position + 2;
  DWORD restSize = size - position - 2;
  DWORD count = cause != nullptr ? cause->formatMessage(rest, restSize) : terminated(rest, restSize, 0);
  return position + 2 + count;
}

BaseError* cloneOf(const BaseError* error) { return error != nullptr ? error->clone() : nullptr; }

}  // namespace

FunctionError::FunctionError(const std::string& functionName) : functionName(functionName) {}

Win32Error::Win32Error(const std::string& functionName) : Win32Error(functionName, GetLastError()) {}

Win32Error::Win32Error(const std::string& functionName, DWORD code) : FunctionError(functionName), code(code) {}

DWORD Win32Error::formatMessage(char* buffer, DWORD size) const {
  return terminated(buffer, size, FormatMessageA(SystemTextFlags, nullptr, code, 0, buffer, size, nullptr));
}

BaseError* Win32Error::clone() const { return new (std::nothrow) Win32Error(*this); }

SocketError::SocketError(const std::string& functionName, int code) : FunctionError(functionName), code(code) {}

BaseError* SocketError::clone() const { return new (std::nothrow) SocketError(*this); }

BaseEvent::BaseEvent(DWORD eventId) : eventId(eventId) {}

DWORD BaseEvent::formatMessage(char* buffer, DWORD size) const { return lookupEvent(eventId, buffer, size); }

BaseError* BaseEvent::clone() const { return new (std::nothrow) BaseEvent(*this); }

IOError::IOError(DWORD eventId) : BaseEvent(eventId) {}

FileError::FileError(DWORD eventId, const std::string& path, const BaseError& cause)
    : IOError(eventId), path(path), cause_(cause.clone()) {}

FileError::FileError(const FileError& other) : IOError(other), path(other.path), cause_(cloneOf(other.cause_)) {}

FileError::~FileError() { delete cause_; }

DWORD FileError::formatMessage(char* buffer, DWORD size) const {
  DWORD position = lookupEvent(eventId, buffer, size, path.c_str());
  return appendCause(buffer, size, position, cause_);
}

BaseError* FileError::clone() const { return new (std::nothrow) FileError(*this); }

RegError::RegError(DWORD eventId, const std::string& keyName, const BaseError& cause)
    : BaseEvent(eventId), keyName(keyName), cause_(cause.clone()) {}

RegError::RegError(const RegError& other) : BaseEvent(other), keyName(other.keyName), cause_(cloneOf(other.cause_)) {}

RegError::~RegError() { delete cause_; }

DWORD RegError::formatMessage(char* buffer, DWORD size) const {
  DWORD position = lookupEvent(eventId, buffer, size, keyName.c_str());
  return appendCause(buffer, size, position, cause_);
}

BaseError* RegError::clone() const { return new (std::nothrow) RegError(*this); }

RegValueError::RegValueError(DWORD eventId, const std::string& valueName, const BaseError& cause)
    : RegError(eventId, "?", cause), valueName(valueName) {}

DWORD RegValueError::formatMessage(char* buffer, DWORD size) const {
  DWORD position = lookupEvent(eventId, buffer, size, keyName.c_str(), valueName.c_str());
  return appendCause(buffer, size, position, cause());
}

BaseError* RegValueError::clone() const { return new (std::nothrow) RegValueError(*this); }

void formatErrorText(const BaseError& error, char* text, DWORD size) {
  error.formatMessage(text, size);
  text[size - 1] = '\0';
}

}  // namespace mirrex
