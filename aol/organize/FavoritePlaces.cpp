// The items form sibling chains: record 1 (the root) is at depth 0, the
// top-level folders at depth 1. Only what lies below a top-level favourites
// folder (kind byte 0xC8, or the title "Favorite Places") is reported, and
// that folder's own level is not: its contents land directly in the sink's
// destination.
#include "aol/organize/FavoritePlaces.h"

#include "aol/organize/FileSource.h"
#include "aol/organize/Format.h"
#include "aol/organize/RecordReader.h"

#include <cstring>

namespace organize {
namespace {

// Far deeper than any path that fits in MAX_PATH characters.
const DWORD MaxDepth = 1024;

struct Walk {
  RecordReader& file;
  const BYTE* index;
  DWORD indexLength;
  BYTE* walked;  // one bit per record number: each record is walked once
  FavoritesSink& sink;

  // The record's data when it is a record of the index not walked before;
  // marks it walked.
  LocalBlock takeRecord(DWORD number, DWORD& length, bool signature) {
    if (number == 0 || number > indexCapacity(indexLength)) return LocalBlock();
    BYTE& bits = walked[number / 8];
    BYTE bit = static_cast<BYTE>(1u << (number % 8));
    if (bits & bit) return LocalBlock();
    bits |= bit;
    return file.readRecord(indexEntry(index, indexLength, number), MaxRecordLength, signature, length);
  }

  void reportFavorite(const Item& item) {
    DWORD urlLength = 0;
    LocalBlock url = file.readRecord(indexEntry(index, indexLength, item.urlRecord), MaxRecordLength, false, urlLength);
    if (url) {
      sink.beginFavorite();
      sink.setTitle(item.title);
      sink.setUrl(reinterpret_cast<const char*>(url.get()));
      sink.endFavorite();
    }
    sink.advance();
  }

  static bool isFavoritesFolder(const Item& item) {
    return item.kind == FavoritesFolderKind || std::strcmp(item.title, "Favorite Places") == 0;
  }

  void walkItems(DWORD firstRecord, DWORD depth);
};

// A chain ends at record 0, at a record that cannot be read as an item, and
// at a record walked before (so that no cycle repeats). An item's data is
// released before its children are walked: what the walk holds grows with
// the depth by a few words a level, not by the items' sizes.
void Walk::walkItems(DWORD firstRecord, DWORD depth) {
  if (depth > MaxDepth) return;
  for (DWORD number = firstRecord; number != 0;) {
    DWORD length = 0;
    LocalBlock data = takeRecord(number, length, true);
    if (!data || length < MinItemLength) return;
    Item item = decodeItem(data.get(), length);
    sink.advance();
    if (item.urlRecord != 0 && depth >= 2) reportFavorite(item);

    bool hasChildren = item.firstChild != 0;
    bool opensFolder = hasChildren && depth >= 2;
    bool descends = hasChildren && (depth != 1 || isFavoritesFolder(item));
    if (opensFolder) {
      sink.beginFolder();
      sink.setTitle(item.title);
      sink.enterFolder();
    }
    number = item.nextSibling;
    DWORD firstChild = item.firstChild;
    data.reset();
    if (descends) walkItems(firstChild, depth + 1);
    if (opensFolder) {
      sink.leaveFolder();
      sink.endFolder();
    }
  }
}

}  // namespace

bool readFavoritePlaces(ByteSource& source, FavoritesSink& sink) {
  RecordReader file(source);
  BYTE field[4];
  if (!file.read(IndexOffsetField, field, sizeof field)) return true;
  DWORD indexLength = 0;
  LocalBlock index = file.readIndex(le32(field), false, indexLength);
  if (!index) return true;

  DWORD walkedSize = indexCapacity(indexLength) / 8 + 1;
  LocalBlock walked = allocateLocalBlock(walkedSize);
  std::memset(walked.get(), 0, walkedSize);
  Walk walk{file, index.get(), indexLength, walked.get(), sink};
  walk.walkItems(RootRecord, 0);
  return true;
}

}  // namespace organize

bool readFavoritePlaces(const char* path, FavoritesSink& sink) {
  organize::FileSource file(path);
  return organize::readFavoritePlaces(file, sink);
}
