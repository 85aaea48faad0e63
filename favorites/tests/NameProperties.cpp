#include "favorites/tests/NameProperties.h"

#include "favorites/Names.h"

#include <algorithm>
#include <cctype>
#include <sstream>
#include <vector>

bool unescapeName(const std::string& name, const char* table, DWORD tableLength, std::string& original) {
  original.clear();
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (name[i] != '%') {
      original += name[i];
      continue;
    }
    if (i + 1 == name.size() || name[i + 1] == '.') continue;  // a mark, not an escape
    DWORD entry = 1;
    while (entry < tableLength && table[entry] != name[i + 1]) entry += 2;
    if (entry >= tableLength) return false;
    original += table[entry - 1];
    ++i;
  }
  return true;
}

bool isDeviceName(const std::string& component) {
  std::string stem = component.substr(0, component.find_first_of(".:"));
  while (!stem.empty() && stem.back() == ' ') stem.pop_back();
  for (char& c : stem) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  for (const char* device : {"AUX", "CON", "NUL", "PRN", "CONIN$", "CONOUT$"}) {
    if (stem == device) return true;
  }
  if (stem.size() != 4 || (stem.compare(0, 3, "COM") != 0 && stem.compare(0, 3, "LPT") != 0)) return false;
  unsigned char port = static_cast<unsigned char>(stem[3]);
  return (port >= '1' && port <= '9') || port == 0xB9 || port == 0xB2 || port == 0xB3;
}

namespace {

const char Guard = '\x7F';
const DWORD GuardSize = 16;

// A buffer of `room` characters filled with `Guard`, followed by guard
// characters that nothing may touch.
struct GuardedBuffer {
  explicit GuardedBuffer(DWORD room) : room(room), bytes(room + GuardSize, Guard) {}
  char* data() { return bytes.data(); }
  bool guardsIntact() const {
    for (DWORD i = room; i < room + GuardSize; ++i) {
      if (bytes[i] != Guard) return false;
    }
    return true;
  }
  DWORD room;
  std::vector<char> bytes;
};

std::string quoted(const std::string& text) {
  std::ostringstream out;
  out << '"';
  for (unsigned char c : text) {
    if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
      out << c;
    } else {
      out << "\\x" << "0123456789ABCDEF"[c >> 4] << "0123456789ABCDEF"[c & 15];
    }
  }
  out << '"';
  return out.str();
}

struct Case {
  const char* table;
  DWORD tableLength;
  bool titles;  // TitleEscapes: the result is one path component
  bool folderName;  // the source goes to makeFolderName
  DWORD room;
  std::string source;

  std::string describe() const {
    std::ostringstream out;
    out << (folderName ? "folder name " : titles ? "title " : "directory name ") << quoted(source) << " in " << room
        << " characters: ";
    return out.str();
  }
};

Case decode(const std::string& input) {
  unsigned char choice = input.size() > 0 ? static_cast<unsigned char>(input[0]) : 0;
  DWORD low = input.size() > 1 ? static_cast<unsigned char>(input[1]) : 0;
  DWORD high = input.size() > 2 ? static_cast<unsigned char>(input[2]) : 0;
  std::string source = input.size() > 3 ? input.substr(3) : std::string();
  source = source.substr(0, source.find('\0'));
  // makeFolderName escapes with DirectoryNameEscapes.
  bool titles = (choice & 3) == 0;
  return Case{titles ? TitleEscapes : DirectoryNameEscapes, titles ? TitleEscapesLength : DirectoryNameEscapesLength,
              titles, (choice & 2) != 0, (low | high << 8) % 600, source};
}

// The whole escaped text, in a buffer with room to spare.
std::string escapeWhole(const Case& test, std::string& fault) {
  DWORD room = static_cast<DWORD>(2 * test.source.size() + 2);
  GuardedBuffer buffer(room);
  DWORD count = escapeName(test.source.c_str(), '%', test.table, test.tableLength, buffer.data(), room);
  if (!buffer.guardsIntact()) fault = "wrote past " + std::to_string(room) + " characters";
  if (count >= room - 1 || buffer.bytes[count] != '\0') fault = "left a text with room to spare unterminated";
  return std::string(buffer.data(), count < room ? count : room);
}

std::string checkWhole(const Case& test, const std::string& whole) {
  for (DWORD entry = 0; entry + 1 < test.tableLength; entry += 2) {
    char refused = test.table[entry];
    if (refused != '%' && whole.find(refused) != std::string::npos) {
      return "kept the refused character " + quoted(std::string(1, refused)) + " in " + quoted(whole);
    }
  }
  std::string original;
  if (!unescapeName(whole, test.table, test.tableLength, original) || original != test.source) {
    return "escaped to " + quoted(whole) + ", which does not turn back into the source";
  }
  return std::string();
}

// Escaping into `room` characters: a prefix of the whole text that never
// splits a pair, terminated exactly when it is shorter than room - 1.
std::string checkCut(const Case& test, const std::string& whole) {
  GuardedBuffer buffer(test.room);
  DWORD count = escapeName(test.source.c_str(), '%', test.table, test.tableLength, buffer.data(), test.room);
  if (!buffer.guardsIntact()) return "wrote past the room";
  if (test.room <= 1) {
    bool untouched = count == 0 && (test.room == 0 || buffer.bytes[0] == Guard);
    return untouched ? std::string() : "wrote into a room of one character or less";
  }
  if (count > test.room || count > whole.size()) return "returned " + std::to_string(count);
  if (std::string(buffer.data(), count) != whole.substr(0, count)) {
    return "wrote " + quoted(std::string(buffer.data(), count)) + ", not a prefix of " + quoted(whole);
  }
  if (count < test.room - 1) {
    if (count != whole.size()) return "stopped early at " + std::to_string(count);
    if (buffer.bytes[count] != '\0') return "left a short result unterminated";
  }
  if (count < whole.size()) {
    // A pair starts at every '%' reached from the start by whole pairs.
    std::size_t at = 0;
    while (at < count) at += whole[at] == '%' ? 2 : 1;
    if (at != count) return "split an escape pair at " + std::to_string(count);
  }
  return std::string();
}

// Making the whole title safe as a component in `room` characters, then
// marking a final '.' as the writer does for folders: never a device name,
// and still the source when turned back.
std::string checkComponent(const Case& test, const std::string& whole) {
  DWORD length = static_cast<DWORD>(whole.size());
  if (!test.titles || length >= test.room) return std::string();
  GuardedBuffer buffer(test.room);
  std::copy(whole.begin(), whole.end(), buffer.data());
  buffer.bytes[length] = '\0';
  DWORD result = protectDeviceName(buffer.data(), length, test.room);
  if (!buffer.guardsIntact()) return "protectDeviceName wrote past the room";
  if (result == test.room) {
    bool unchanged = std::string(buffer.data(), length + 1) == whole + '\0';
    if (!unchanged) return "protectDeviceName changed a name it refused";
    if (length + 2 <= test.room) return "protectDeviceName refused " + quoted(whole) + " with room for the mark";
    return std::string();
  }
  if (result != length && result != length + 1) return "protectDeviceName returned " + std::to_string(result);
  if (buffer.bytes[result] != '\0') return "protectDeviceName left the name unterminated";
  std::string name(buffer.data(), result);
  if (isDeviceName(name)) return "the component " + quoted(name) + " is a device name";
  bool dropped = !name.empty() && (name.back() == '.' || name.back() == ' ');
  std::string marked = dropped ? name + '%' : name;
  std::string original;
  if (!unescapeName(marked, test.table, test.tableLength, original) || original != test.source) {
    return "the component " + quoted(marked) + " does not turn back into the source";
  }
  return std::string();
}

// Splits a text at its backslashes, dropping empty parts.
std::vector<std::string> components(const std::string& text) {
  std::vector<std::string> parts;
  std::string::size_type start = 0;
  while (start <= text.size()) {
    std::string::size_type end = std::min(text.find('\\', start), text.size());
    if (end > start) parts.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

std::string checkMadeComponent(const Case& test, const std::string& made, const std::string& source) {
  if (made == "." || made == "..") return "made the component " + made;
  for (DWORD entry = 0; entry + 1 < test.tableLength; entry += 2) {
    if (test.table[entry] != '%' && made.find(test.table[entry]) != std::string::npos) {
      return "kept a refused character in " + quoted(made);
    }
  }
  if (isDeviceName(made)) return "made the device name " + quoted(made);
  if (made.back() == '.' || made.back() == ' ') return "made " + quoted(made) + ", whose end Windows drops";
  std::string original;
  if (!unescapeName(made, test.table, test.tableLength, original) || original != source) {
    return "made " + quoted(made) + " of " + quoted(source) + ", which does not turn back";
  }
  return std::string();
}

// makeFolderName: with room to spare, every component of the source made
// safe and turned back to it; in `room` characters, that same text or, when
// it does not fit, nothing at all.
std::string checkFolderName(const Case& test) {
  std::vector<std::string> sources = components(test.source);
  bool tooLong = false;
  for (const std::string& part : sources) tooLong = tooLong || part.size() >= MAX_PATH;

  DWORD spare = static_cast<DWORD>(4 * test.source.size() + 16);
  GuardedBuffer whole(spare);
  DWORD length = makeFolderName(test.source.c_str(), whole.data(), spare);
  if (!whole.guardsIntact()) return "wrote past " + std::to_string(spare) + " characters";
  std::string made;
  if (tooLong) {
    if (length != spare || whole.bytes[0] != '\0') return "kept a component of MAX_PATH characters or more";
  } else {
    if (length >= spare || whole.bytes[length] != '\0') return "refused or left unterminated a name with room to spare";
    made.assign(whole.data(), length);
    std::vector<std::string> parts = components(made);
    bool emptyPart = !made.empty() && (made.front() == '\\' || made.back() == '\\' ||
                                       made.find("\\\\") != std::string::npos);
    if (emptyPart || parts.size() != sources.size()) {
      return "made " + quoted(made) + ", not one component for each of the source";
    }
    for (std::size_t i = 0; i < parts.size(); ++i) {
      std::string fault = checkMadeComponent(test, parts[i], sources[i]);
      if (!fault.empty()) return fault;
    }
  }

  GuardedBuffer cut(test.room);
  DWORD result = makeFolderName(test.source.c_str(), cut.data(), test.room);
  if (!cut.guardsIntact()) return "wrote past the room";
  if (test.room == 0) return result == 0 ? std::string() : "returned " + std::to_string(result) + " for no room";
  bool fits = !tooLong && made.size() < test.room;
  if (!fits) {
    return result == test.room && cut.bytes[0] == '\0' ? std::string() : "did not refuse a name that does not fit";
  }
  if (result != made.size() || std::string(cut.data(), result + 1) != made + '\0') {
    return "made another text in " + std::to_string(test.room) + " characters than with room to spare";
  }
  return std::string();
}

}  // namespace

std::string nameHelperFault(const std::string& input) {
  Case test = decode(input);
  if (test.folderName) {
    std::string fault = checkFolderName(test);
    return fault.empty() ? fault : test.describe() + fault;
  }
  std::string fault;
  std::string whole = escapeWhole(test, fault);
  if (fault.empty()) fault = checkWhole(test, whole);
  if (fault.empty()) fault = checkCut(test, whole);
  if (fault.empty()) fault = checkComponent(test, whole);
  return fault.empty() ? fault : test.describe() + fault;
}
