#include "aol/organize/Format.h"

#include <cstring>

namespace organize {

bool hasMagic(const BYTE (&header)[HeaderSize]) { return std::memcmp(header, "AOLVM100", 9) == 0; }

RecordHeader decodeRecordHeader(const BYTE (&bytes)[RecordHeaderSize]) {
  return RecordHeader{bytes[0] == 'R' && bytes[1] == 'S', le32(bytes + 4)};
}

DWORD indexCapacity(DWORD indexLength) { return indexLength < 8 ? 0 : (indexLength - 8) / 4; }

DWORD indexEntry(const BYTE* index, DWORD indexLength, DWORD number) {
  if (number == 0 || number > indexCapacity(indexLength)) return 0;
  return le32(index + 4 + 4 * number);
}

DWORD countItems(const BYTE* index, DWORD indexLength) {
  DWORD count = 0;
  while (indexEntry(index, indexLength, count + 1) != 0) ++count;
  return count;
}

Item decodeItem(const BYTE* data, DWORD length) {
  const BYTE* trailer = data + length - TrailerSize;
  return Item{reinterpret_cast<const char*>(data + TitleOffset), data[KindOffset], le32(trailer),
              le32(trailer + 4), le32(trailer + 16)};
}

}  // namespace organize
