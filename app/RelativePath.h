// Paths relative to a folder, for the folders chosen in the wizard.
#pragma once

// The part of `path` below `folder`: what follows the folder and the
// backslash behind it, the empty text for the folder itself, or null when
// `path` is not the folder nor below it ("C:\Favorites2" is not below
// "C:\Favorites"). Letters compare without regard to case, as Windows
// compares names.
const char* pathBelow(const char* path, const char* folder);
