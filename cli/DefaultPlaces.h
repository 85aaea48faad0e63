// Where placemove-cli reads and writes when the user names no place: the
// installation's proposal on Windows; natively there is none to propose.
#pragma once

#include "bookmarks/CodePage.h"

#include <windows.h>

// The AOL profile directory in `directory` (MAX_PATH). False, with a usage
// message shown, when there is none to propose.
bool defaultAolDirectory(char* directory);
// The Favorites folder in `path` (MAX_PATH). False, with a usage message
// shown, when there is none.
bool defaultFavoritesPath(char* path);
// The code page of the texts on the command line (a --folder name).
const CodePage& commandLineCodePage();
