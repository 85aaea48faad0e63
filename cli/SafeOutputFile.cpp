#include "cli/SafeOutputFile.h"

#include "favorites/Texts.h"
#include "support/Errors.h"

#include <new>

SafeOutputFile::SafeOutputFile(const char* target) : file_(nullptr), committed_(false) {
  temporary_[0] = '\0';
  if (copyText(target, target_, MAX_PATH) == MAX_PATH) {
    throw mirrex::FileError(mirrex::EventCreateOutputFile, target,
                            mirrex::Win32Error("CreateFile", ERROR_FILENAME_EXCED_RANGE));
  }
  DWORD code = ERROR_FILE_EXISTS;
  char name[MAX_PATH + 16];
  for (int n = 1; n < 100 && code == ERROR_FILE_EXISTS; ++n) {
    wsprintfA(name, "%s.%d.partial", target_, n);
    if (copyText(name, temporary_, MAX_PATH) == MAX_PATH) {
      code = ERROR_FILENAME_EXCED_RANGE;
      break;
    }
    HANDLE handle = CreateFileA(temporary_, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
      file_ = new (std::nothrow) FileOutputStream(handle, temporary_);
      if (file_ != nullptr) return;
      CloseHandle(handle);
      DeleteFileA(temporary_);
      temporary_[0] = '\0';
      throw mirrex::Win32Error("LocalAlloc", ERROR_NOT_ENOUGH_MEMORY);
    }
    code = GetLastError();
  }
  temporary_[0] = '\0';
  throw mirrex::FileError(mirrex::EventCreateOutputFile, target, mirrex::Win32Error("CreateFile", code));
}

namespace {

// Deletes the file when it goes, after whatever closes it.
struct Removal {
  const char* name;
  ~Removal() { DeleteFileA(name); }
};

}  // namespace

SafeOutputFile::~SafeOutputFile() noexcept(false) {
  if (file_ == nullptr) return;
  if (committed_) {
    delete file_;
    return;
  }
  Removal removal{temporary_};
  delete file_;
}

void SafeOutputFile::commit(bool replace) {
  file_->close();
  if (!MoveFileExA(temporary_, target_, replace ? MOVEFILE_REPLACE_EXISTING : 0)) {
    DWORD code = GetLastError();
    throw mirrex::FileError(mirrex::EventCreateOutputFile, target_, mirrex::Win32Error("MoveFileEx", code));
  }
  committed_ = true;
}
