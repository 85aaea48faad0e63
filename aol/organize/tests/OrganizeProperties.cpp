#include "aol/organize/tests/OrganizeProperties.h"

#include "aol/organize/FavoritePlaces.h"
#include "aol/organize/MemorySource.h"
#include "aol/organize/ProfileCheck.h"
#include "aol/organize/tests/GrammarSink.h"
#include "support/Errors.h"

#include <vector>

namespace {

const char Guard = '\x7F';
const DWORD GuardSize = 16;
const ULONGLONG MaxFolderDepth = 1024;

ULONGLONG field(const std::string& bytes, ULONGLONG offset) {
  ULONGLONG value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[offset + i]);
  return value;
}

// checkProfileFile into a buffer of `size` characters followed by guards:
// the item count and the screen name, or a fault.
DWORD checkInto(const std::string& bytes, DWORD size, std::string& screenName, std::string& fault) {
  std::vector<char> buffer(size + GuardSize, Guard);
  organize::MemorySource source(bytes.data(), bytes.size());
  DWORD count = organize::checkProfileFile(source, buffer.data(), size);
  for (DWORD i = size; i < size + GuardSize; ++i) {
    if (buffer[i] != Guard) fault = "checkProfileFile wrote past a buffer of " + std::to_string(size);
  }
  if (count != 0 && size > 0) {
    std::string within(buffer.data(), size);
    if (within.find('\0') == std::string::npos) {
      fault = "checkProfileFile left the screen name unterminated in " + std::to_string(size);
    }
    screenName = within.c_str();
  }
  return count;
}

std::string checkFault(const std::string& bytes) {
  std::string fault;
  std::string name;
  DWORD count = checkInto(bytes, 1024, name, fault);
  if (!fault.empty()) return fault;
  if (count == 0) return std::string();
  if (bytes.compare(0, 9, std::string("AOLVM100", 9)) != 0) return "a file without the magic is a profile";
  if (count > recordsNamed(bytes)) {
    return "item count " + std::to_string(count) + " exceeds the " + std::to_string(recordsNamed(bytes)) +
           " records the index can name";
  }
  std::string cut;
  DWORD again = checkInto(bytes, 4, cut, fault);
  if (!fault.empty()) return fault;
  if (again != count || cut != name.substr(0, 3)) return "a smaller screen-name buffer changed the result";
  return std::string();
}

std::string walkFault(const std::string& bytes) {
  GrammarSink sink;
  organize::MemorySource source(bytes.data(), bytes.size());
  organize::ReadReport report = organize::readFavoritePlaces(source, sink);
  if (!report.damaged() && report.favoritesLeftOut + report.foldersLeftOut > 0) {
    return "items left out of a read that reports no damage";
  }
  std::string fault = sink.fault();
  if (!fault.empty()) return fault;
  if (sink.advances() > 2 * recordsNamed(bytes)) {
    return std::to_string(sink.advances()) + " advances for " + std::to_string(recordsNamed(bytes)) +
           " records the index can name";
  }
  if (sink.deepest() > MaxFolderDepth) return std::to_string(sink.deepest()) + " folders open at once";
  return std::string();
}

}  // namespace

ULONGLONG recordsNamed(const std::string& bytes) {
  ULONGLONG size = bytes.size();
  if (size < 20) return 0;
  ULONGLONG index = field(bytes, 16);
  if (index + 8 > size || index + 8 > 0x7FFFFFFF) return 0;
  ULONGLONG length = field(bytes, index + 4);
  if (index + 8 + length > size || length < 8) return 0;
  return (length - 8) / 4;
}

std::string organizeFileFault(const std::string& bytes) {
  try {
    std::string fault = checkFault(bytes);
    if (!fault.empty()) return "checkProfileFile: " + fault;
    fault = walkFault(bytes);
    if (!fault.empty()) return "readFavoritePlaces: " + fault;
    return std::string();
  } catch (const mirrex::BaseError& error) {
    char text[1024];
    error.formatMessage(text, sizeof text);
    return std::string("threw: ") + text;
  }
}
