// Copies of 8-bit NUL-terminated texts. Sizes count characters and include
// the terminator.
#pragma once

#include <windows.h>

// A heap copy (LocalAlloc, fixed) of `text` that the caller frees with
// LocalFree, or holds in a LocalText (support/LocalMemory.h); null for a
// null text or when memory is exhausted.
char* duplicateString(const char* text);

// Copies `count` characters and a terminator when count < size and returns
// count. Otherwise copies exactly `size` characters without a terminator and
// returns size: a result equal to the size tells that the text was cut.
DWORD copyChars(const char* source, DWORD count, char* destination, DWORD size);

// copyChars of the whole text.
DWORD copyText(const char* source, char* destination, DWORD size);
