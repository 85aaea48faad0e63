// Walking the "Favorite Places" tree of an organize file into a
// FavoritesSink.
//
// The file is untrusted. Whatever it holds, the walk ends, in time and
// memory bounded by the file's size: it reads within the bounds of
// RecordReader, walks every record at most once, and does not walk nesting
// below 1024 levels.
#pragma once

#include "aol/organize/ByteSource.h"
#include "favorites/FavoritesSink.h"

// Reports the favourites and folders below the profile's favourites folders
// to `sink`, and one advance() for every record consumed. Returns true.
// Throws what opening, reading and the sink throw.
bool readFavoritePlaces(const char* path, FavoritesSink& sink);

namespace organize {

// readFavoritePlaces of the bytes of `source`.
bool readFavoritePlaces(ByteSource& source, FavoritesSink& sink);

}  // namespace organize
