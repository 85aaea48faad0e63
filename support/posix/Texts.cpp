// Last-error codes, system error texts and the string routines.
#include "Handles.h"

#include <cstdio>
#include <cstring>

namespace {

thread_local DWORD lastError = 0;

struct SystemText {
  DWORD code;
  const char* text;
};

// The texts of the codes that the core can meet, worded as Windows words them.
const SystemText systemTexts[] = {
    {ERROR_SUCCESS, "The operation completed successfully.\r\n"},
    {ERROR_FILE_NOT_FOUND, "The system cannot find the file specified.\r\n"},
    {ERROR_PATH_NOT_FOUND, "The system cannot find the path specified.\r\n"},
    {ERROR_TOO_MANY_OPEN_FILES, "The system cannot open the file.\r\n"},
    {ERROR_ACCESS_DENIED, "Access is denied.\r\n"},
    {ERROR_INVALID_HANDLE, "The handle is invalid.\r\n"},
    {ERROR_NOT_ENOUGH_MEMORY, "Not enough memory resources are available to process this command.\r\n"},
    {ERROR_OUTOFMEMORY, "Not enough memory resources are available to complete this operation.\r\n"},
    {ERROR_NO_MORE_FILES, "There are no more files.\r\n"},
    {ERROR_WRITE_FAULT, "The system cannot write to the specified device.\r\n"},
    {ERROR_READ_FAULT, "The system cannot read from the specified device.\r\n"},
    {ERROR_SHARING_VIOLATION,
     "The process cannot access the file because it is being used by another process.\r\n"},
    {ERROR_HANDLE_EOF, "Reached the end of the file.\r\n"},
    {ERROR_FILE_EXISTS, "The file exists.\r\n"},
    {ERROR_INVALID_PARAMETER, "The parameter is incorrect.\r\n"},
    {ERROR_DISK_FULL, "There is not enough space on the disk.\r\n"},
    {ERROR_INVALID_NAME, "The filename, directory name, or volume label syntax is incorrect.\r\n"},
    {ERROR_NEGATIVE_SEEK,
     "An attempt was made to move the file pointer before the beginning of the file.\r\n"},
    {ERROR_DIR_NOT_EMPTY, "The directory is not empty.\r\n"},
    {ERROR_ALREADY_EXISTS, "Cannot create a file when that file already exists.\r\n"},
    {ERROR_FILENAME_EXCED_RANGE, "The filename or extension is too long.\r\n"},
    {ERROR_MORE_DATA, "More data is available.\r\n"},
    {ERROR_DIRECTORY, "The directory name is invalid.\r\n"},
    {ERROR_MR_MID_NOT_FOUND,
     "The system cannot find message text for message number 0x%1 in the message file for %2.\r\n"},
};

const DWORD ErrorInsufficientBuffer = 122;
const DWORD ErrorResourceTypeNotFound = 1813;

}  // namespace

DWORD GetLastError() { return lastError; }

void SetLastError(DWORD code) { lastError = code; }

// System texts only; a module's message table is never found, since the
// native programs carry none. Inserts are never expanded.
DWORD FormatMessageA(DWORD flags, LPCVOID, DWORD messageId, DWORD, LPSTR buffer, DWORD size, va_list*) {
  if (!(flags & FORMAT_MESSAGE_FROM_SYSTEM)) return posix::fail(ErrorResourceTypeNotFound, DWORD{0});
  for (const SystemText& entry : systemTexts) {
    if (entry.code != messageId) continue;
    DWORD length = static_cast<DWORD>(std::strlen(entry.text));
    if (length + 1 > size) return posix::fail(ErrorInsufficientBuffer, DWORD{0});
    std::memcpy(buffer, entry.text, length + 1);
    return length;
  }
  return posix::fail(static_cast<DWORD>(ERROR_MR_MID_NOT_FOUND), DWORD{0});
}

// Like the system's, the output is cut at 1024 characters.
int wvsprintfA(LPSTR buffer, LPCSTR format, va_list arguments) {
  const int Limit = 1024;
  int length = std::vsnprintf(buffer, Limit, format, arguments);
  if (length < 0) {
    buffer[0] = '\0';
    return 0;
  }
  return length < Limit ? length : Limit - 1;
}

int wsprintfA(LPSTR buffer, LPCSTR format, ...) {
  va_list arguments;
  va_start(arguments, format);
  int length = wvsprintfA(buffer, format, arguments);
  va_end(arguments);
  return length;
}

int lstrlenA(LPCSTR text) { return text == nullptr ? 0 : static_cast<int>(std::strlen(text)); }

LPSTR lstrcpyA(LPSTR destination, LPCSTR source) { return std::strcpy(destination, source); }

int lstrcmpA(LPCSTR first, LPCSTR second) {
  int order = std::strcmp(first, second);
  return order < 0 ? -1 : order > 0 ? 1 : 0;
}
