// Importing AOL profiles into the Favorites folder, apart from the wizard:
// the import worker runs it on its own thread, and any other front end can
// run it the same way.
#pragma once

#include "aol/ProfileTable.h"

#include <windows.h>

// Joined paths: the Favorites path and a folder name, each below MAX_PATH,
// always fit with the backslash between them.
const DWORD JoinedPathSize = 1024;

// The destination root in `root` (JoinedPathSize): `favoritesPath` joined
// with the folder that `destinationName` makes; false when the name is
// refused.
bool destinationRoot(const char* favoritesPath, const char* destinationName, char* root);

// The folder of one profile of several in `folder` (JoinedPathSize), made
// when missing: named after its screen name, or "%" (the name of an
// untitled folder) for a screen name that makes no folder name of its own.
// False when the name is refused.
bool profileFolder(const char* root, const char* screenName, char* folder);

// Writes the favourites of the profile file `profilePath` below the
// existing folder `targetFolder`, moving `progressBar` (may be null) by
// every record read, all of them on the bar when it returns. Throws the
// mirrex::BaseError of a profile that cannot be opened or read; what was
// written stays.
void ImportProfile(const char* profilePath, const char* targetFolder, HWND progressBar);

// Imports the selected rows of `table` below the destination root, the
// folder `destinationName` below `favoritesPath`, made with its parents: a
// lone selected profile straight into it, every profile of any other
// selection into a folder named after its screen name (two screen names
// that make the same folder name share it). Both names become folders by
// makeFolderName, so nothing is written outside `favoritesPath`; a name
// refused there is not imported at all. Sets `progressBar` (may be null) to
// the sum of the item counts imported so far after each profile, and to
// the table's totalItemCount at the end. Throws the mirrex::BaseError of a
// profile that cannot be read; the profiles before it stay written.
void importSelectedProfiles(const ProfileTable& table, const char* destinationName, const char* favoritesPath,
                            HWND progressBar);
