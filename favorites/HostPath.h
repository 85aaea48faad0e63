// Natively only: the POSIX path of a path of the core, for the few calls
// the core makes straight to the system rather than through its layer.
#pragma once

#include <windows.h>

// `path` with its backslashes as slashes, in `host` (`size`). False when it
// does not fit.
bool hostPath(const char* path, char* host, DWORD size);
