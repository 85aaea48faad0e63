// Paths as the user gives and reads them, and as the core joins them. The
// core joins with backslashes; natively the user's paths are POSIX paths,
// so their slashes become backslashes on the way in (the platform layer
// maps them back) and the other way round on the way out. A POSIX name
// with a backslash of its own cannot be named natively.
#pragma once

#include "favorites/SafeOutputFile.h"

#include <windows.h>

// The buffers of the paths the user names for the files placemove-cli
// writes, terminator included: those of the files written beside their
// targets. On Windows takeUserPath takes no more than MAX_PATH - 1
// characters, as the "A" calls do.
const DWORD UserPathSize = OutputPathSize;

// The user's path as the core takes it, in `path` (`size` characters);
// false when it does not fit.
bool takeUserPath(const char* user, char* path, DWORD size);
// A path of the core as the user writes it, in `shown`, cut to fit.
void showPath(const char* path, char* shown, DWORD size);
