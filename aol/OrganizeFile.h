// Reading AOL organize files: recognising a profile and summarising it, and
// walking its "Favorite Places" tree into a FavoritesSink. Organize files are
// only ever read, with read and write sharing, so that a file the AOL client
// holds open can still be read.
//
// The file is untrusted. Whatever it holds, the readers end, in time and
// memory bounded by the file's size: a length or offset that reaches past
// the end of the file, an offset of 2^31 or more, and a record number
// without an index entry (or with an entry of 0) read as absent; an
// index is used up to its first 16 MiB and any other record longer than
// 1 MiB is broken; every record is walked at most once; nesting below 1024
// levels is not walked; and one walk reads at most twice the file's size
// plus 1 MiB, after which the rest reads as absent.
#pragma once

#include "favorites/FavoritesSink.h"

#include <windows.h>

// Opens the file for reading with read and write sharing; throws
// mirrex::Win32Error "CreateFile" when it cannot.
HANDLE openProfileFile(const char* path);

// Reads exactly `count` bytes at `offset`. False when the file ends first
// or the offset is 2^31 or more; throws mirrex::Win32Error "ReadFile" when a
// read fails.
bool readAt(HANDLE file, DWORD offset, void* buffer, DWORD count);

// The profile's item count, or 0 when the file is not an AOL profile. When
// it is one, its screen name is stored in `screenName`, cut to fit the
// buffer and always terminated. Throws what opening and reading throw, and
// mirrex::Win32Error "LocalAlloc" when memory is exhausted.
DWORD checkProfileFile(const char* path, char* screenName, DWORD screenNameSize);

// Reports the favourites and folders below the profile's favourites folders
// to `sink`, and one advance() for every record consumed. Returns true.
// Throws what opening, reading and the sink throw.
bool readFavoritePlaces(const char* path, FavoritesSink& sink);
