#include "bookmarks/SelectedProfiles.h"

ProfilesRead writeSelectedProfiles(BookmarksFileWriter& writer, const ProfileEntry* entries, int profileCount,
                                   int selectedCount, ProfileReader& reader) {
  ProfilesRead result;
  bool ownFolder = selectedCount > 1;
  for (int row = 0; row < profileCount; ++row) {
    const ProfileEntry& entry = entries[row];
    if (!entry.selected) continue;
    if (ownFolder) {
      writer.beginFolder();
      writer.setTitle(entry.screenName);
      writer.enterFolder();
    }
    DWORD depth = writer.depth();
    if (reader.read(entry, writer)) {
      ++result.read;
    } else {
      ++result.unreadable;
      writer.closeFolders(depth);
    }
    if (ownFolder) {
      writer.leaveFolder();
      writer.endFolder();
    }
  }
  return result;
}
