// Turning arbitrary titles and names into file-system names that can be
// turned back: every character Windows refuses in a name is written as '%'
// and a substitute, and '%' itself as "%%". Sizes include the terminator.
#pragma once

#include <windows.h>

// Pairs of (refused character, substitute). For folder names typed by the
// user and for screen names: the backslash stays and makes nested folders.
extern const char DirectoryNameEscapes[];
const DWORD DirectoryNameEscapesLength = 18;

// The same pairs, and the backslash written as "%_": a title is always
// exactly one path component.
extern const char TitleEscapes[];
const DWORD TitleEscapesLength = 20;

// Writes `source` with every character found at an even position of `table`
// replaced by the escape character and the byte after it. Returns the
// characters written, not counting a terminator. Stops when size - 1 or more
// characters are written, and then writes no terminator: the result is
// terminated exactly when it is below size - 1. Never writes at position
// `size` or beyond; writes nothing when size is 1 or less.
DWORD escapeName(const char* source, char escapeCharacter, const char* table, DWORD tableLength, char* destination,
                 DWORD size);

// Windows opens a device, not a file, for a component whose part before the
// first '.' is a device name (CON, NUL, COM1, ...), whatever its case and
// trailing spaces. This inserts '%' right after that part of the `length`
// characters at `component`, which lie in a buffer that has `room`
// characters from `component` on. Returns the new length, or `room` when
// the '%' and a terminator do not fit (nothing is changed then). The text is
// terminated behind the new length. A '%' that no substitute follows is
// never made by the escaping, so the name can still be turned back.
DWORD protectDeviceName(char* component, DWORD length, DWORD room);

// Windows drops the dots and spaces at the end of a name it creates: "Misc."
// would make "Misc", ".." names the parent folder, and a folder "News "
// could not be reached under its own name. This appends '%' to the `length`
// characters at `component` when they end in a dot or a space, within the
// same `room` as protectDeviceName, and returns the new length, or `room`
// when the '%' and a terminator do not fit (nothing is changed then).
DWORD protectTrailingDotOrSpace(char* component, DWORD length, DWORD room);

// The folder, relative to the one it is joined to, that a destination name
// typed by the user or a screen name read from a profile makes: escaped with
// DirectoryNameEscapes, so that each backslash makes a nested folder, and
// then made safe component by component, so that nothing is made outside
// that folder nor under a name Windows changes:
// - empty components go: a leading, doubled or trailing backslash makes no
//   folder, and no drive, share or root can be named (':' is escaped);
// - a component ending in a dot or a space gets '%' behind it, as Windows
//   drops those characters: ".." is "..%" and never the parent folder;
// - a device name gets protectDeviceName's '%' ("CON%", "nul%.txt").
// Returns the length of the terminated result; the empty text (the folder
// itself) for a name without components. Returns `size` when the result and
// its terminator do not fit, or a component has MAX_PATH characters or more:
// the name is refused whole, never cut, and `destination` is left empty
// (when size is at least 1).
DWORD makeFolderName(const char* name, char* destination, DWORD size);
