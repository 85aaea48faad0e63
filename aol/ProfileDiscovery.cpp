#include "aol/ProfileDiscovery.h"

#include "aol/organize/ProfileCheck.h"
#include "favorites/Texts.h"
#include "support/Errors.h"
#include "support/Messages.h"

#include <cstring>

namespace {

const DWORD TextSize = 1024;  // file paths, screen names and error texts

// An open directory search, closed when the holder goes. The holder only
// closes on its own when a failure is already on its way out; the normal
// paths call close() and learn of a failing close.
class DirectorySearch {
public:
  explicit DirectorySearch(HANDLE handle) : handle_(handle) {}
  ~DirectorySearch() {
    if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
  }
  DirectorySearch(const DirectorySearch&) = delete;
  DirectorySearch& operator=(const DirectorySearch&) = delete;

  bool next(WIN32_FIND_DATAA& entry) { return FindNextFileA(handle_, &entry) != FALSE; }

  // Throws mirrex::Win32Error "FindClose" when the close fails.
  void close() {
    HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    if (!FindClose(handle)) throw mirrex::Win32Error("FindClose");
  }

private:
  HANDLE handle_;
};

// Gives `directory` its trailing backslash and stores its search pattern in
// `pattern` (MAX_PATH). Returns ERROR_SUCCESS, or the code with which the
// directory is refused, leaving the pattern empty: the empty text names no
// directory, and a text that leaves no room for the backslash or the "*.*"
// is refused as FindFirstFile refuses an overlong path.
DWORD formPattern(char* directory, char* pattern) {
  pattern[0] = '\0';
  DWORD length = static_cast<DWORD>(strnlen(directory, MAX_PATH));
  if (length == MAX_PATH) directory[--length] = '\0';
  if (length == 0) return ERROR_PATH_NOT_FOUND;
  if (directory[length - 1] != '\\' && length + 1 < MAX_PATH) {
    directory[length++] = '\\';
    directory[length] = '\0';
  }
  if (directory[length - 1] != '\\' || length + 3 >= MAX_PATH) return ERROR_FILENAME_EXCED_RANGE;
  copyText(directory, pattern, MAX_PATH);
  copyText("*.*", pattern + length, MAX_PATH - length);
  return ERROR_SUCCESS;
}

// Tells the user that the directory cannot be searched.
void showDirectoryNotFound(const char* directory, const char* pattern, DWORD code) {
  char text[TextSize];
  mirrex::formatErrorText(
      mirrex::FileError(mirrex::EventSearchDirectory, pattern, mirrex::Win32Error("FindFirstFile", code)), text,
      TextSize);
  ShowMessage(MB_OK, MessageDirectoryNotFound, directory, text);
}

enum class Check { Done, Aborted };

// Checks one file, asking the user what to do as long as it cannot be read:
// Abort ends the search, Retry checks it again, Ignore (or any other
// answer) skips it. `itemCount` is 0 for a file that is no profile or was
// skipped.
Check checkFile(const char* path, char* screenName, DWORD& itemCount) {
  for (;;) {
    try {
      itemCount = checkProfileFile(path, screenName, TextSize);
      return Check::Done;
    } catch (const mirrex::BaseError& error) {
      char text[TextSize];
      mirrex::formatErrorText(error, text, TextSize);
      int answer = ShowMessage(MB_ABORTRETRYIGNORE | MB_DEFBUTTON3, MessageFileNotAccessible, path, text);
      if (answer == IDABORT) return Check::Aborted;
      if (answer != IDRETRY) {
        itemCount = 0;
        return Check::Done;
      }
    }
  }
}

// Appends the profiles to the table until it is full.
class TableCollector : public ProfileCollector {
public:
  explicit TableCollector(ProfileTable& table) : table_(table) {}

  bool take(const char* path, const char* screenName, DWORD itemCount) override {
    // Counted once filled: a row whose texts could not be copied is no row.
    fillProfileEntry(table_.entries[table_.profileCount], path, screenName, itemCount);
    return ++table_.profileCount < MaxProfiles;
  }

private:
  ProfileTable& table_;
};

}  // namespace

int discoverProfiles(char* aolDirectory, ProfileTable& table) {
  releaseProfiles(table);
  TableCollector collector(table);
  return discoverProfiles(aolDirectory, collector);
}

int discoverProfiles(char* aolDirectory, ProfileCollector& collector) {
  char pattern[MAX_PATH];
  DWORD code = formPattern(aolDirectory, pattern);
  WIN32_FIND_DATAA entry;
  HANDLE handle = code == ERROR_SUCCESS ? FindFirstFileA(pattern, &entry) : INVALID_HANDLE_VALUE;
  if (handle == INVALID_HANDLE_VALUE) {
    if (code == ERROR_SUCCESS) code = GetLastError();
    showDirectoryNotFound(aolDirectory, pattern, code);
    return -1;
  }
  DirectorySearch search(handle);

  // The directory (at most MAX_PATH - 4 characters with its backslash) and a
  // found name (below MAX_PATH) always fit the path buffer.
  DWORD directoryLength = static_cast<DWORD>(std::strlen(aolDirectory));
  char path[TextSize];
  copyText(aolDirectory, path, TextSize);
  char screenName[TextSize];
  int found = 0;
  do {
    // Subdirectories, "." and ".." included, are not searched.
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    copyChars(entry.cFileName, static_cast<DWORD>(strnlen(entry.cFileName, MAX_PATH)), path + directoryLength,
              TextSize - directoryLength);
    DWORD itemCount = 0;
    if (checkFile(path, screenName, itemCount) == Check::Aborted) {
      search.close();
      return -1;
    }
    if (itemCount == 0) continue;
    ++found;
    if (!collector.take(path, screenName, itemCount)) {
      search.close();
      return found;
    }
  } while (search.next(entry));

  code = GetLastError();
  search.close();
  if (code != ERROR_NO_MORE_FILES) {
    throw mirrex::FileError(mirrex::EventSearchDirectory, pattern, mirrex::Win32Error("FindNextFile", code));
  }
  return found;
}
