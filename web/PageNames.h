// Where the page's files lie in the module's in-memory file system, and
// how they are named to the user.
#pragma once

#include <windows.h>

// The folder the worker writes the chosen files into.
const char OrganizeFolder[] = "/organize/";
// The name of the list of AOL-only links the page offers to save.
const char AolLinksName[] = "aol-links.txt";

// A line of text the page shows, as wsprintfA writes at most.
const DWORD PageTextSize = 1024;

// The file's name without its folder: how the page names a file.
const char* fileNameOf(const char* path);
