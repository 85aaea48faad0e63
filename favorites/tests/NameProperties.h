// What the name helpers keep for any text: escaping stays within the room it
// is given and leaves no character Windows refuses, a name made safe is no
// device name and has no ending that Windows drops, a folder name is made
// whole or refused whole, and every name they make can be turned back into
// the original. Shared by the name fuzzer and the tests that replay its
// corpus.
#pragma once

#include <windows.h>

#include <string>

// The original of a name made by escapeName with '%' and `table`, then
// perhaps given protectDeviceName's '%' and a folder's '%' after a final
// '.' or ' ': each "%x" pair gives back its character, and a '%' that no
// substitute follows is a mark and is dropped. False for a text that cannot
// have been made so: a '%' followed by anything but a substitute, a '.' or
// the end.
bool unescapeName(const std::string& name, const char* table, DWORD tableLength, std::string& original);

// True when Windows opens a device, not a file, for this path component:
// its part before the first '.' or ':', without trailing spaces, is AUX,
// CON, NUL, PRN, CONIN$, CONOUT$, or COM or LPT with a digit from 1 to 9 or
// a superscript one, two or three; letter case does not matter.
bool isDeviceName(const std::string& component);

// Runs the helpers on one fuzz input and returns what went wrong, or an
// empty text. The input: a byte whose lowest bit chooses the table
// (TitleEscapes or DirectoryNameEscapes) and whose next bit makes the source
// a folder name for makeFolderName instead (which escapes with
// DirectoryNameEscapes), two bytes of room (little-endian, taken modulo
// 600), then the source text up to its first NUL.
std::string nameHelperFault(const std::string& input);
