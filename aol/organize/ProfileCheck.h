// Recognising an AOL profile and summarising it.
#pragma once

#include "aol/organize/ByteSource.h"

#include <windows.h>

// The profile's item count, or 0 when the file is not an AOL profile. When
// it is one, its screen name is stored in `screenName`, cut to fit the
// buffer and always terminated. Throws what opening and reading throw, and
// mirrex::Win32Error "LocalAlloc" when memory is exhausted.
DWORD checkProfileFile(const char* path, char* screenName, DWORD screenNameSize);

namespace organize {

// checkProfileFile of the bytes of `source`.
DWORD checkProfileFile(ByteSource& source, char* screenName, DWORD screenNameSize);

}  // namespace organize
