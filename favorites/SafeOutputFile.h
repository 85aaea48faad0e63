// A file written in full or not at all: the bytes go to a temporary file
// beside the target, which takes the target's name only at commit(). Until
// then an existing file of that name is untouched, and a write that fails
// or is interrupted (see Interrupts.h) leaves no part of a file behind.
// placemove-cli's export and the wizard's bookmarks file write through it.
#pragma once

#include "favorites/OutputStreams.h"

#include <windows.h>

// The buffers of the paths of the files written beside their targets,
// terminator included: room for the longest path the native system takes
// (PATH_MAX). On Windows the "A" calls take no more than MAX_PATH - 1
// characters.
const DWORD OutputPathSize = 4096;

// The characters the temporary file's name adds to its target's, at most:
// ".99.partial".
const DWORD TemporarySuffixLength = 11;

class SafeOutputFile {
 public:
  // Creates the temporary file "<target>.<n>.partial", the first n from 1
  // to 99 that names no file yet, removed on an interrupt until commit().
  // Throws mirrex::FileError EventCreateOutputFile when none can be made.
  explicit SafeOutputFile(const char* target);
  // Removes the temporary file unless it was committed. A failure to close
  // it is thrown as FileOutputStream's destructor throws it.
  ~SafeOutputFile() noexcept(false);
  SafeOutputFile(const SafeOutputFile&) = delete;
  SafeOutputFile& operator=(const SafeOutputFile&) = delete;

  OutputStream& stream() { return *file_; }
  // Closes the temporary file and moves it to the target, replacing an
  // existing file only when `replace` is true; a replaced file's
  // permissions pass to the new one. Throws mirrex::FileError (the
  // temporary file is then removed): EventCloseOutputFile, or
  // EventCreateOutputFile with the cause of the move, ERROR_ALREADY_EXISTS
  // for a file that is there and not to be replaced.
  void commit(bool replace);

 private:
  char target_[OutputPathSize];
  char temporary_[OutputPathSize];
  FileOutputStream* file_;  // owned
  int interruptSlot_;
  bool committed_;
};
