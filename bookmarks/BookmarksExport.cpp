#include "bookmarks/BookmarksExport.h"

void writeBookmarksFile(BookmarksFileWriter& writer, const char* title, const CodePage& titleCodePage,
                        const ProfileList& profiles, ProfileReader& reader, RunCounts& counts) {
  writer.openTopFolder(title, titleCodePage);
  ProfilesRead read =
      writeSelectedProfiles(writer, profiles.entries, profiles.profileCount, profiles.selectedCount, reader);
  writer.finish();
  counts.profilesRead += read.read;
  counts.unreadableProfiles += read.unreadable;
  const BookmarkCounts& written = writer.counts();
  counts.folders = written.folders;
  counts.favorites = written.favorites;
  counts.scriptUrls = written.scriptUrls;
  counts.flattenedFolders = written.flattenedFolders;
  counts.aolOnlyLinks = written.aolOnlyLinks;
}
