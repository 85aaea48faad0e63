#include "aol/organize/ProfileCheck.h"

#include "aol/organize/FileSource.h"
#include "aol/organize/Format.h"
#include "aol/organize/RecordReader.h"
#include "favorites/Texts.h"

#include <cstring>

DWORD checkProfileFile(const char* path, char* screenName, DWORD screenNameSize) {
  organize::FileSource file(path);
  return organize::checkProfileFile(file, screenName, screenNameSize);
}

namespace organize {

DWORD checkProfileFile(ByteSource& source, char* screenName, DWORD screenNameSize) {
  RecordReader file(source);

  BYTE header[HeaderSize];
  if (!file.read(0, header, HeaderSize) || !hasMagic(header)) return 0;

  DWORD indexLength = 0;
  LocalBlock index = file.readIndex(le32(header + IndexOffsetField), true, indexLength);
  if (!index || indexLength < MinIndexLength) return 0;

  DWORD rootLength = 0;
  LocalBlock root = file.readRecord(indexEntry(index.get(), indexLength, RootRecord), MaxRecordLength, true, rootLength);
  if (!root || rootLength <= TitleOffset) return 0;
  const char* title = reinterpret_cast<const char*>(root.get() + TitleOffset);
  DWORD titleLength = static_cast<DWORD>(std::strlen(title));
  if (titleLength >= rootLength - TitleOffset) return 0;

  // A screen name too long for the buffer is cut, and always terminated.
  if (screenNameSize > 0) {
    copyChars(title, titleLength < screenNameSize ? titleLength : screenNameSize - 1, screenName, screenNameSize);
  }
  return countItems(index.get(), indexLength);
}

}  // namespace organize
