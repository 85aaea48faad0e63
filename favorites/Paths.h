// Joining paths, the part of a path below a folder, and creating
// directories. Sizes include the terminator.
#pragma once

#include <windows.h>

// Stores directory, a backslash where neither side has one, and name into
// `destination`. False when the joined text and its terminator do not fit
// (the destination may then hold the directory alone). No separator follows
// an empty directory.
bool joinPath(const char* directory, const char* name, char* destination, DWORD size);

// The part of `path` below `folder`: what follows the folder and the
// backslash behind it, the empty text for the folder itself, or null when
// `path` is not the folder nor below it ("C:\Favorites2" is not below
// "C:\Favorites"). Letters compare without regard to case, as Windows
// compares names.
const char* pathBelow(const char* path, const char* folder);

// Creates the directory `path` and every missing directory above it, each
// parent before its child. True when the last directory was created by this
// call; false for an existing target, a path without any backslash, a
// failure on the way, or a path of MAX_PATH characters or more, which is
// refused whole rather than created under a cut name.
bool createDirectoryTree(const char* path);
