#include "NameProperties.h"

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
  DWORD room;
  std::string source;

  std::string describe() const {
    std::ostringstream out;
    out << (titles ? "title " : "directory name ") << quoted(source) << " in " << room << " characters: ";
    return out.str();
  }
};

Case decode(const std::string& input) {
  unsigned char choice = input.size() > 0 ? static_cast<unsigned char>(input[0]) : 0;
  DWORD low = input.size() > 1 ? static_cast<unsigned char>(input[1]) : 0;
  DWORD high = input.size() > 2 ? static_cast<unsigned char>(input[2]) : 0;
  std::string source = input.size() > 3 ? input.substr(3) : std::string();
  source = source.substr(0, source.find('\0'));
  bool titles = (choice & 1) == 0;
  return Case{titles ? TitleEscapes : DirectoryNameEscapes, titles ? TitleEscapesLength : DirectoryNameEscapesLength,
              titles, (low | high << 8) % 600, source};
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
  std::string marked = !name.empty() && name.back() == '.' ? name + '%' : name;
  std::string original;
  if (!unescapeName(marked, test.table, test.tableLength, original) || original != test.source) {
    return "the component " + quoted(marked) + " does not turn back into the source";
  }
  return std::string();
}

}  // namespace

std::string nameHelperFault(const std::string& input) {
  Case test = decode(input);
  std::string fault;
  std::string whole = escapeWhole(test, fault);
  if (fault.empty()) fault = checkWhole(test, whole);
  if (fault.empty()) fault = checkCut(test, whole);
  if (fault.empty()) fault = checkComponent(test, whole);
  return fault.empty() ? fault : test.describe() + fault;
}
