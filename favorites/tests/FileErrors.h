// Describes a mirrex::FileError by what the tests check of it: its event,
// its path and the function and code of its Win32Error cause. Comparing
// descriptions prints what was got and what was expected.
#pragma once

#include "support/Errors.h"

#include <windows.h>

#include <sstream>
#include <string>

inline std::string fileErrorText(DWORD eventId, const std::string& path, const std::string& function, DWORD code) {
  std::ostringstream text;
  text << "FileError 0x" << std::hex << std::uppercase << eventId << std::dec << " on \"" << path << "\", cause "
       << function << " error " << code;
  return text.str();
}

inline std::string fileErrorText(const mirrex::FileError& error) {
  const mirrex::Win32Error* cause = dynamic_cast<const mirrex::Win32Error*>(error.cause());
  if (cause == nullptr) return "FileError without a Win32Error cause";
  return fileErrorText(error.eventId, error.path, cause->functionName, cause->code);
}

// The description of the FileError that `action` throws, or "no FileError".
template <typename Action>
std::string fileErrorOf(Action&& action) {
  try {
    action();
  } catch (const mirrex::FileError& error) {
    return fileErrorText(error);
  }
  return "no FileError";
}
