#include "favorites/SafeOutputFile.h"

#include "favorites/Interrupts.h"
#include "favorites/Permissions.h"
#include "favorites/Texts.h"
#include "support/Errors.h"

#include <new>

namespace {

// "<target>.<n>.partial" in `name` (OutputPathSize); false when it does not fit.
bool temporaryName(const char* target, int n, char* name) {
  DWORD length = copyText(target, name, OutputPathSize);
  char suffix[16];
  wsprintfA(suffix, ".%d.partial", n);
  return length < OutputPathSize && copyText(suffix, name + length, OutputPathSize - length) < OutputPathSize - length;
}

}  // namespace

SafeOutputFile::SafeOutputFile(const char* target) : file_(nullptr), interruptSlot_(-1), committed_(false) {
  temporary_[0] = '\0';
  if (copyText(target, target_, OutputPathSize) == OutputPathSize) {
    throw mirrex::FileError(mirrex::EventCreateOutputFile, target,
                            mirrex::Win32Error("CreateFile", ERROR_FILENAME_EXCED_RANGE));
  }
  DWORD code = ERROR_FILE_EXISTS;
  for (int n = 1; n < 100 && code == ERROR_FILE_EXISTS; ++n) {
    if (!temporaryName(target_, n, temporary_)) {
      code = ERROR_FILENAME_EXCED_RANGE;
      break;
    }
    // Delete sharing lets an interrupt remove the file while it is written.
    InterruptsHeldBack heldBack;
    HANDLE handle = CreateFileA(temporary_, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                                FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
      file_ = new (std::nothrow) FileOutputStream(handle, temporary_);
      if (file_ != nullptr) {
        interruptSlot_ = removeOnInterrupt(temporary_);
        return;
      }
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

// Deletes the file when it goes, after whatever closes it, and only then
// lets an interrupt forget it.
struct Removal {
  const char* name;
  int interruptSlot;
  ~Removal() {
    InterruptsHeldBack heldBack;
    DeleteFileA(name);
    forgetOnInterrupt(interruptSlot);
  }
};

}  // namespace

SafeOutputFile::~SafeOutputFile() noexcept(false) {
  if (file_ == nullptr) return;
  if (committed_) {
    delete file_;
    return;
  }
  Removal removal{temporary_, interruptSlot_};
  delete file_;
}

void SafeOutputFile::commit(bool replace) {
  file_->close();
  if (replace) keepPermissions(target_, temporary_);
  InterruptsHeldBack heldBack;
  if (!MoveFileExA(temporary_, target_, replace ? MOVEFILE_REPLACE_EXISTING : 0)) {
    DWORD code = GetLastError();
    throw mirrex::FileError(mirrex::EventCreateOutputFile, target_, mirrex::Win32Error("MoveFileEx", code));
  }
  forgetOnInterrupt(interruptSlot_);
  committed_ = true;
}
