// What is at a path the user named, asked through the directory search.
#pragma once

// True when a file or folder of that name exists.
bool pathExists(const char* path);
// True when a folder of that name exists.
bool isDirectory(const char* path);
