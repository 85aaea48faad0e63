// Walking the "Favorite Places" tree of an organize file into a
// FavoritesSink.
//
// The file is untrusted. Whatever it holds, the walk ends, in time and
// memory bounded by the file's size: it reads within the bounds of
// RecordReader, walks every record at most once, and does not walk nesting
// below 1024 levels (what lies there is only counted). What it could not
// read it passes by, and counts in the report it returns.
#pragma once

#include "aol/organize/ByteSource.h"
#include "aol/organize/ReadReport.h"
#include "favorites/FavoritesSink.h"

// Reports the favourites and folders below the profile's favourites folders
// to `sink`, and one advance() for every record consumed. Returns what could
// not be read. Throws what opening, reading and the sink throw.
organize::ReadReport readFavoritePlaces(const char* path, FavoritesSink& sink);

namespace organize {

// readFavoritePlaces of the bytes of `source`.
ReadReport readFavoritePlaces(ByteSource& source, FavoritesSink& sink);

}  // namespace organize
