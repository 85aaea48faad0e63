// What of a text may reach a terminal. Texts read from a file or a file
// name (screen names, paths) may hold control characters that a terminal
// obeys: clear the screen, retitle the window, return to the start of the
// line and write over it. Every line placemove-cli prints shows them as
// "\xNN" instead (Console.cpp); which characters those are depends on the
// text the console takes.
#pragma once

#include <windows.h>

// The number of bytes of the character that starts at `text` (not at its
// terminator), and in `control` whether it must not reach a terminal as it
// is.
DWORD nextCharacter(const char* text, bool& control);
