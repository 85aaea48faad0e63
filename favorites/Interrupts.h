// An interrupt ends the program at once, as the user asked, but first
// removes the temporary files it is told of, so that an interrupted write
// leaves no part of a file behind and any old file as it was.
//
// placemove-cli is interrupted by Ctrl+C and Ctrl+Break, closing the
// console, logging off and shutting down on Windows, where the exit code is
// 130; natively by SIGINT, SIGTERM and SIGHUP (a signal the program was
// started ignoring stays ignored), where it is 128 + the signal's number:
// 130 for Ctrl+C, as shells report it. Their handlers are set up when the
// first file is told of. The wizard, which has no console, is interrupted
// by its Cancel button, which calls exitRemovingFiles.
#pragma once

#include <windows.h>

// Holds interrupts back while it lives, so that making a temporary file and
// telling of it (or moving it and forgetting it) happen as one step; an
// interrupt that came meanwhile acts when the object goes.
class InterruptsHeldBack {
 public:
  InterruptsHeldBack();
  ~InterruptsHeldBack();
  InterruptsHeldBack(const InterruptsHeldBack&) = delete;
  InterruptsHeldBack& operator=(const InterruptsHeldBack&) = delete;
};

// The temporary files of one run: an export writes at most two at once.
const int MaxRemovedOnInterrupt = 2;

// From now until forgetOnInterrupt(slot), an interrupt removes the file
// `path` (a path of the core, that fits OutputPathSize). Call it while
// interrupts are held back. Returns the slot, or -1 when every slot is
// taken and the file is not removed.
int removeOnInterrupt(const char* path);
void forgetOnInterrupt(int slot);

// The interrupt itself: removes the files told of and ends the process with
// `exitCode`. A file being made or moved on another thread is waited for,
// so that it is removed or kept whole.
[[noreturn]] void exitRemovingFiles(UINT exitCode);
