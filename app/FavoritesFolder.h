// The current user's Favorites folder, located afresh for each pass of the
// wizard: favoritesLocation (the root of the destination page's folder
// browser) and favoritesPath (below which the import writes).
#pragma once

class FavoritesFolder {
public:
  // Throws mirrex::Win32Error when the folder cannot be located: without
  // it there is no place to import into.
  FavoritesFolder();
  // Frees the shell item and clears favoritesLocation.
  ~FavoritesFolder();
  FavoritesFolder(const FavoritesFolder&) = delete;
  FavoritesFolder& operator=(const FavoritesFolder&) = delete;
};
