// Saving the selected AOL profiles as one bookmarks file, apart from the
// wizard: the import worker runs it on its own thread instead of importing
// into the Favorites folder.
#pragma once

#include "aol/ProfileTable.h"
#include "bookmarks/BookmarksFileWriter.h"

#include <windows.h>

// Writes the selected rows of `table` as the bookmarks file `path`, its top
// folder titled `folderName` (texts in Windows-1252, as the wizard's): a
// lone selected profile straight into that folder, each of several into a
// folder titled with its screen name. The file is written beside `path`
// and takes its name at the end, replacing a file there only when
// `replace`. Moves `progressBar` (may be null) by every record read, to the
// sum of the item counts read after each profile, and to the table's
// totalItemCount at the end. Returns what the file holds. Throws the
// mirrex::BaseError of a profile that cannot be read or of the file that
// cannot be written; any file at `path` then stays as it was and no part of
// the new one is left.
BookmarkCounts saveBookmarksFile(const ProfileTable& table, const char* folderName, const char* path, bool replace,
                                 HWND progressBar);
