// The permissions of a file that another replaces, for SafeOutputFile.
// Paths are the core's (backslashes).
#pragma once

// Gives `replacement` the permissions of the file `replaced` is, before it
// is moved over it: natively the mode bits, so that a file kept private
// stays private. On Windows the system keeps what a move over a file keeps.
void keepPermissions(const char* replaced, const char* replacement);
