// Recognising an AOL profile and summarising it.
#include "aol/OrganizeFile.h"
#include "aol/OrganizeFormat.h"
#include "aol/ProfileFile.h"
#include "favorites/Texts.h"

#include <cstring>

using namespace organize;

DWORD checkProfileFile(const char* path, char* screenName, DWORD screenNameSize) {
  ProfileFile file(path);

  BYTE header[HeaderSize];
  if (!file.read(0, header, HeaderSize) || !hasMagic(header)) return 0;

  DWORD indexLength = 0;
  Block index = file.readIndex(le32(header + IndexOffsetField), true, indexLength);
  if (index.empty() || indexLength < MinIndexLength) return 0;

  DWORD rootLength = 0;
  Block root = file.readRecord(indexEntry(index.bytes(), indexLength, RootRecord), MaxRecordLength, true, rootLength);
  if (root.empty() || rootLength <= TitleOffset) return 0;
  const char* title = reinterpret_cast<const char*>(root.bytes() + TitleOffset);
  DWORD titleLength = static_cast<DWORD>(std::strlen(title));
  if (titleLength >= rootLength - TitleOffset) return 0;

  // A screen name too long for the buffer is cut, and always terminated.
  if (screenNameSize > 0) {
    copyChars(title, titleLength < screenNameSize ? titleLength : screenNameSize - 1, screenName, screenNameSize);
  }
  return countItems(index.bytes(), indexLength);
}
