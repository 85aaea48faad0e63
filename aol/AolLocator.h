// Proposes the AOL profile directory: the "organize" folder of an installed
// AOL or CompuServe 2000 client, found in the registry.
#pragma once

#include <windows.h>

// Stores "<installation directory>\organize\" in `buffer` (`size` bytes
// including the terminator) and returns its length, or 0 when no candidate
// gave a directory. Registry failures other than a missing key or value are
// thrown (mirrex::RegError, RegValueError or Win32Error).
int findAolDirectory(char* buffer, DWORD size);
