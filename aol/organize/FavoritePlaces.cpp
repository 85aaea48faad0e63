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
// Chains waiting to be counted below the nesting limit; a tree that has
// more waiting at once is counted in part.
const DWORD MaxWaitingChains = 64 * 1024;

// One bit per record number, all clear.
LocalBlock allocateMarks(DWORD indexLength) {
  DWORD size = indexCapacity(indexLength) / 8 + 1;
  LocalBlock marks = allocateLocalBlock(size);
  std::memset(marks.get(), 0, size);
  return marks;
}

void countAbsence(Absence why, ReadReport& report) {
  if (why == Absence::PastEnd) {
    ++report.pastEnd;
  } else if (why == Absence::TooLong) {
    ++report.tooLong;
  } else if (why == Absence::OverBudget) {
    ++report.overBudget;
  } else {
    ++report.broken;
  }
}

// The index entries naming a record whose header lies past `size`.
DWORD countBeyondEnd(const BYTE* index, DWORD indexLength, ULONGLONG size) {
  DWORD count = 0;
  for (DWORD number = 1; number <= indexCapacity(indexLength); ++number) {
    DWORD offset = indexEntry(index, indexLength, number);
    if (offset != 0 && static_cast<ULONGLONG>(offset) + RecordHeaderSize > size) ++count;
  }
  return count;
}

bool marked(const BYTE* marks, DWORD number) { return (marks[number / 8] >> (number % 8) & 1) != 0; }

struct Walk {
  RecordReader& file;
  const BYTE* index;
  DWORD indexLength;
  BYTE* walked;  // one bit per record number: each record is walked once
  FavoritesSink& sink;
  ReadReport& report;
  // What counts the items below the nesting limit: a reader of its own,
  // and, made at the first cut, its marks and the chains waiting.
  RecordReader& counting;
  LocalBlock counted;
  LocalPointer<DWORD> waiting;

  // Counts why a record the walk needed could not be read. A number
  // beyond the entries of a cut index is what the cut left out.
  void noteAbsent(DWORD number, Absence why) {
    if (number <= indexCapacity(indexLength)) {
      countAbsence(why, report);
    } else if (report.indexEntriesCut == 0) {
      ++report.broken;
    }
  }

  LocalBlock readRecord(RecordReader& reader, DWORD number, bool signature, DWORD& length) {
    LocalBlock data = reader.readRecord(indexEntry(index, indexLength, number), MaxRecordLength, signature, length);
    if (!data) noteAbsent(number, reader.absence());
    return data;
  }

  // The item record `number` when it can be read and is not marked in
  // `marks`; marks it.
  LocalBlock takeItem(RecordReader& reader, BYTE* marks, DWORD number, DWORD& length) {
    if (number > indexCapacity(indexLength)) {
      noteAbsent(number, Absence::NoEntry);
      return LocalBlock();
    }
    if (marked(marks, number)) {
      ++report.cyclesCut;
      return LocalBlock();
    }
    marks[number / 8] |= static_cast<BYTE>(1u << (number % 8));
    LocalBlock data = readRecord(reader, number, true, length);
    if (data && length < MinItemLength) {
      ++report.broken;
      return LocalBlock();
    }
    return data;
  }

  void reportFavorite(const Item& item) {
    DWORD urlLength = 0;
    LocalBlock url = readRecord(file, item.urlRecord, false, urlLength);
    if (url) {
      sink.beginFavorite();
      sink.setTitle(item.title);
      sink.setUrl(reinterpret_cast<const char*>(url.get()));
      sink.endFavorite();
    } else {
      ++report.favoritesLeftOut;
    }
    sink.advance();
  }

  static bool isFavoritesFolder(const Item& item) {
    return item.kind == FavoritesFolderKind || std::strcmp(item.title, "Favorite Places") == 0;
  }

  void walkItems(DWORD firstRecord, DWORD depth);
  void countBelowLimit(DWORD firstRecord);
};

// A chain ends at record 0, at a record that cannot be read as an item, and
// at a record walked before (so that no cycle repeats). An item's data is
// released before its children are walked: what the walk holds grows with
// the depth by a few words a level, not by the items' sizes.
void Walk::walkItems(DWORD firstRecord, DWORD depth) {
  for (DWORD number = firstRecord; number != 0;) {
    DWORD length = 0;
    LocalBlock data = takeItem(file, walked, number, length);
    if (!data) return;
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
    if (descends && depth == MaxDepth) {
      countBelowLimit(firstChild);
    } else if (descends) {
      walkItems(firstChild, depth + 1);
    }
    if (opensFolder) {
      sink.leaveFolder();
      sink.endFolder();
    }
  }
}

// The favourites and folders below the nesting limit, counted as left out
// and never reported. The chains waiting to be counted are kept in a list
// rather than on the stack, which would grow with the nesting. The count
// reads through a reader and marks of its own, so that the walk reads and
// skips exactly what it would without it; an item is counted once however
// many cuts lead to it.
void Walk::countBelowLimit(DWORD firstRecord) {
  ++report.nestingCut;
  if (!counted) {
    counted = allocateMarks(indexLength);
    waiting = allocateLocal<DWORD>(MaxWaitingChains);
  }
  DWORD waitingCount = 0;
  waiting.get()[waitingCount++] = firstRecord;
  while (waitingCount > 0) {
    for (DWORD number = waiting.get()[--waitingCount]; number != 0;) {
      // A link back to what the walk has reported is a cycle, not more left out.
      if (number <= indexCapacity(indexLength) && marked(walked, number)) {
        ++report.cyclesCut;
        break;
      }
      DWORD length = 0;
      LocalBlock data = takeItem(counting, counted.get(), number, length);
      if (!data) break;
      Item item = decodeItem(data.get(), length);
      if (item.urlRecord != 0) ++report.favoritesLeftOut;
      if (item.firstChild != 0) {
        ++report.foldersLeftOut;
        if (waitingCount < MaxWaitingChains) {
          waiting.get()[waitingCount++] = item.firstChild;
        } else {
          report.leftOutUncounted = true;
        }
      }
      number = item.nextSibling;
    }
  }
}

}  // namespace

ReadReport readFavoritePlaces(ByteSource& source, FavoritesSink& sink) {
  ReadReport report;
  RecordReader file(source);
  BYTE field[4];
  DWORD indexLength = 0;
  LocalBlock index;
  if (file.read(IndexOffsetField, field, sizeof field)) index = file.readIndex(le32(field), false, indexLength);
  if (!index) {
    countAbsence(file.absence(), report);
    return report;
  }
  report.indexEntriesCut = file.indexBytesCut() / 4;

  LocalBlock walked = allocateMarks(indexLength);
  RecordReader counting(source);
  Walk walk{file, index.get(), indexLength, walked.get(), sink, report, counting, LocalBlock(), LocalPointer<DWORD>()};
  walk.walkItems(RootRecord, 0);
  if (report.pastEnd > 0) report.recordsBeyondEnd = countBeyondEnd(index.get(), indexLength, source.size());
  return report;
}

}  // namespace organize

organize::ReadReport readFavoritePlaces(const char* path, FavoritesSink& sink) {
  organize::FileSource file(path);
  return organize::readFavoritePlaces(file, sink);
}
