// Decoding of the organize file's fields from bytes. Every integer wider
// than a byte is unsigned 32-bit little-endian; nothing here reads a file,
// so any bytes can be fed to it.
#pragma once

#include <windows.h>

namespace organize {

const DWORD HeaderSize = 20;           // magic, 7 bytes not interpreted, index offset
const DWORD IndexOffsetField = 16;
const DWORD RecordHeaderSize = 8;      // "RS", 2 bytes not interpreted, data length
const DWORD MinIndexLength = 12;       // up to and including the entry of record 1
const DWORD TitleOffset = 18;          // of an item's data
const DWORD KindOffset = 10;
const DWORD TrailerSize = 20;
const DWORD MinItemLength = TrailerSize + 1;
const BYTE FavoritesFolderKind = 0xC8;
const DWORD RootRecord = 1;

inline DWORD le32(const BYTE* bytes) {
  return static_cast<DWORD>(bytes[0]) | static_cast<DWORD>(bytes[1]) << 8 | static_cast<DWORD>(bytes[2]) << 16 |
         static_cast<DWORD>(bytes[3]) << 24;
}

// True when the NUL-terminated text at the file's start is "AOLVM100".
bool hasMagic(const BYTE (&header)[HeaderSize]);

struct RecordHeader {
  bool hasSignature;  // starts with "RS"
  DWORD length;  // of the data that follows the header
};
RecordHeader decodeRecordHeader(const BYTE (&bytes)[RecordHeaderSize]);

// The file offset that the index gives for record `number`, or 0 when the
// index holds no entry for it (0 itself, or beyond the index's data).
DWORD indexEntry(const BYTE* index, DWORD indexLength, DWORD number);
// The number of index entries that can name a record.
DWORD indexCapacity(DWORD indexLength);
// Consecutive non-zero entries from record 1 on: the profile's item count.
DWORD countItems(const BYTE* index, DWORD indexLength);

struct Item {
  const char* title;  // points into the data, which must be terminated at its length
  BYTE kind;
  DWORD urlRecord;
  DWORD nextSibling;
  DWORD firstChild;
};
// `data` holds `length` >= MinItemLength bytes and a NUL at data[length], so
// that a title without its own NUL ends at the end of the data.
Item decodeItem(const BYTE* data, DWORD length);

}  // namespace organize
