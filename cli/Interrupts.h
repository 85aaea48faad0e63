// An interrupt ends placemove-cli at once, as the user asked, but first
// removes the temporary files it is told of, so that an interrupted export
// leaves no part of a file behind and any old file as it was. Interrupts
// are Ctrl+C and Ctrl+Break, closing the console, logging off and shutting
// down on Windows, where the exit code is 130; natively SIGINT, SIGTERM and
// SIGHUP (a signal the program was started ignoring stays ignored), where
// it is 128 + the signal's number: 130 for Ctrl+C, as shells report it.
#pragma once

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
// `path` (a path of the core, that fits UserPathSize). Call it while
// interrupts are held back. Returns the slot, or -1 when every slot is
// taken and the file is not removed.
int removeOnInterrupt(const char* path);
void forgetOnInterrupt(int slot);
