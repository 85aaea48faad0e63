// The Internet Shortcut file of a favourite:
//
//   [InternetShortcut] CR LF
//   URL=<the URL> CR LF
//   Modified=<18 hexadecimal digits> CR LF     (only with a time)
//
// written as bytes, without any character-set conversion.
#include "favorites/FavoritesFolderWriter.h"

#include "favorites/OutputStreams.h"
#include "favorites/UrlScheme.h"
#include "support/Errors.h"

namespace {

const char UrlSuffix[] = ".url";
const DWORD UrlSuffixLength = 4;

// The URL as it stands, except for its line breaks: a CR or LF would end the
// URL line and let the rest of the URL add keys of its own (an IconFile on a
// remote share, say). They are written as the URL escapes "%0D" and "%0A".
void writeUrl(StreamWriter& writer, const char* url, DWORD length) {
  DWORD start = 0;
  for (DWORD i = 0; i < length; ++i) {
    if (url[i] != '\r' && url[i] != '\n') continue;
    if (i > start) writer.write(url + start, i - start);
    writer.writeString(url[i] == '\r' ? "%0D" : "%0A");
    start = i + 1;
  }
  writer.write(url + start, length - start);
}

// The FILETIME's eight bytes, low word first and each word little-endian,
// as hexadecimal digits, then their sum modulo 256 as a check byte.
void writeModified(StreamWriter& writer, const Timestamp& time) {
  FILETIME fileTime = time.toFileTime();
  ULONGLONG value = (static_cast<ULONGLONG>(fileTime.dwHighDateTime) << 32) | fileTime.dwLowDateTime;
  BYTE sum = 0;
  writer.writeString("Modified=");
  for (int i = 0; i < 8; ++i) {
    BYTE byte = static_cast<BYTE>(value >> (8 * i));
    writer.writeHexByte(byte);
    sum = static_cast<BYTE>(sum + byte);
  }
  writer.writeHexByte(sum);
  writer.writeString("\r\n");
}

// The system's error code behind a file's error, for counting the failure.
DWORD systemCode(const mirrex::BaseError& error) {
  const mirrex::FileError* fileError = dynamic_cast<const mirrex::FileError*>(&error);
  const mirrex::Win32Error* cause =
      fileError != nullptr ? dynamic_cast<const mirrex::Win32Error*>(fileError->cause()) : nullptr;
  return cause != nullptr ? cause->code : ERROR_WRITE_FAULT;
}

}  // namespace

void FavoritesFolderWriter::writeUrlFile(const char* url, DWORD urlLength, const Timestamp& time) {
  if (skippedLevels_ > 0) {
    ++*skipReason_;
    return;
  }
  if (pathLength_ == rootLength_) return;
  if (url == nullptr) {
    url = "";
    urlLength = 0;
  }
  // Opening a shortcut opens its URL: one that runs script came from an
  // untrusted file, and no file of it is made.
  if (isScriptUrl(url, urlLength)) {
    ++counts_.scriptUrls;
    return;
  }
  // The suffix and a terminator must fit behind the path; a name cut short
  // would be another file's.
  if (pathLength_ + UrlSuffixLength >= MAX_PATH) {
    ++counts_.pathTooLong;
    return;
  }
  copyChars(UrlSuffix, UrlSuffixLength, path_ + pathLength_, MAX_PATH - pathLength_);

  FileOutputStream file(INVALID_HANDLE_VALUE, "");
  try {
    bool created = file.open(path_);
    BufferedOutputStream buffer(&file);
    StreamWriter writer(&buffer);
    writer.writeString("[InternetShortcut]");
    writer.writeString("\r\nURL=");
    writeUrl(writer, url, urlLength);
    writer.writeString("\r\n");
    if (time.value() != 0) writeModified(writer, time);
    writer.close();
    countWritten(created);
  } catch (const mirrex::BaseError& error) {
    // The favourite is skipped; a file written in part stays as it is.
    countFailure(systemCode(error));
  }
  path_[pathLength_] = '\0';
}
