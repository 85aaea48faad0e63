// The current user's Favorites folder, located afresh for each pass of the
// wizard: as a shell item (the root of the destination page's folder
// browser) and as a path (below which the import writes).
#pragma once

#include <windows.h>

#include <shlobj.h>

class FavoritesFolder {
public:
  // Stores the folder in `location` and `path`, which the holder keeps for
  // as long as it lives. Throws mirrex::Win32Error when the folder cannot be
  // located: without it there is no place to import into.
  FavoritesFolder(LPITEMIDLIST& location, char (&path)[MAX_PATH]);
  // Frees the shell item and clears the location.
  ~FavoritesFolder();
  FavoritesFolder(const FavoritesFolder&) = delete;
  FavoritesFolder& operator=(const FavoritesFolder&) = delete;

private:
  LPITEMIDLIST& location_;
};
