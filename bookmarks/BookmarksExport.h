// A whole bookmarks file of the selected profiles, written and counted the
// same way by every front end.
#pragma once

#include "aol/ProfileList.h"
#include "bookmarks/BookmarksFileWriter.h"
#include "bookmarks/RunSummary.h"
#include "bookmarks/SelectedProfiles.h"

// Writes the file through `writer`: the header, the top folder `title` (in
// `titleCodePage`), the selected profiles of `profiles` each read by
// `reader`, and the end. Adds the profiles read and not read to `counts`
// and sets the folders and favourites written and those set apart. Does
// not flush the writer's stream.
void writeBookmarksFile(BookmarksFileWriter& writer, const char* title, const CodePage& titleCodePage,
                        const ProfileList& profiles, ProfileReader& reader, RunCounts& counts);
