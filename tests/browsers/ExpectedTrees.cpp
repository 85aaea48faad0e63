#include "tests/browsers/ExpectedTrees.h"

#include <cstdio>
#include <stdexcept>

namespace browsers {

namespace {

// Windows-1252 as browsers decode it: 0x80-0x9F, the five undefined bytes as
// the C1 controls of the same value.
const char32_t Windows1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Only the Cyrillic letters of Windows-1251 (0xC0-0xFF) are described.
char32_t decodeByte(unsigned char byte, const std::string& codePage) {
  if (byte < 0x80) return byte;
  if (codePage == "windows-1252") return byte < 0xA0 ? Windows1252High[byte - 0x80] : byte;
  if (codePage == "windows-1251" && byte >= 0xC0) return 0x0410 + (byte - 0xC0);
  throw std::logic_error("a byte the description's code pages do not cover");
}

std::u32string ascii(const std::string& text) { return std::u32string(text.begin(), text.end()); }

std::string utf8(const std::u32string& text) {
  std::string bytes;
  for (char32_t code : text) {
    if (code < 0x80) {
      bytes += static_cast<char>(code);
    } else if (code < 0x800) {
      bytes += static_cast<char>(0xC0 | (code >> 6));
      bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      bytes += static_cast<char>(0xE0 | (code >> 12));
      bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      bytes += static_cast<char>(0xF0 | (code >> 18));
      bytes += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      bytes += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return bytes;
}

std::u32string utf8Decode(const std::string& bytes) {
  std::u32string text;
  for (std::string::size_type i = 0; i < bytes.size();) {
    unsigned char lead = static_cast<unsigned char>(bytes[i]);
    int extra = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
    char32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) code = code << 6 | (static_cast<unsigned char>(bytes[i + k]) & 0x3F);
    text += code;
    i += extra + 1;
  }
  return text;
}

// The description's UTF-8 texts are all valid.
std::u32string decode(const std::string& bytes, const std::string& codePage) {
  if (codePage == "utf-8") return utf8Decode(bytes);
  std::u32string text;
  for (char byte : bytes) text += decodeByte(static_cast<unsigned char>(byte), codePage);
  return text;
}

bool isControl(char32_t code) { return code < 0x20 || code == 0x7F; }

bool isAsciiLetterOrDigit(char32_t code) {
  return (code >= 'a' && code <= 'z') || (code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9');
}

// The scheme as the most lenient browser reads it: every leading character
// that is no ASCII letter or digit skipped, TAB, CR and LF removed, ASCII
// letters lower case.
bool isScriptUrl(const std::u32string& url) {
  std::string scheme;
  std::u32string::size_type i = 0;
  while (i < url.size() && !isAsciiLetterOrDigit(url[i])) ++i;
  for (; i < url.size() && url[i] != ':'; ++i) {
    if (url[i] == '\t' || url[i] == '\r' || url[i] == '\n') continue;
    scheme += static_cast<char>(url[i] >= 'A' && url[i] <= 'Z' ? url[i] - 'A' + 'a' : url[i]);
  }
  return i < url.size() && (scheme == "javascript" || scheme == "vbscript" || scheme == "data");
}

// The title in the file: each run of controls one space.
std::u32string writtenTitle(const std::string& title, const std::string& codePage) {
  std::u32string written;
  bool inRun = false;
  for (char32_t code : decode(title, codePage)) {
    if (!isControl(code)) {
      written += code;
    } else if (!inRun) {
      written += U' ';
    }
    inRun = isControl(code);
  }
  return written;
}

// The URL in the file: controls percent-encoded.
std::u32string writtenUrl(const Node& node, const std::string& codePage) {
  std::u32string url;
  for (char32_t code : decode(node.url, codePage)) {
    if (!isControl(code)) {
      url += code;
      continue;
    }
    char escape[4];
    std::snprintf(escape, sizeof escape, "%%%02X", static_cast<unsigned>(code));
    url += ascii(escape);
  }
  return url;
}

std::u32string importedUrl(const Node& node, const std::string& codePage) {
  return node.shown.empty() ? writtenUrl(node, codePage) : utf8Decode(node.shown);
}

// Firefox trims the spaces around a link's title, not a folder's.
std::u32string firefoxLinkTitle(const std::u32string& title) {
  std::u32string::size_type first = title.find_first_not_of(U' ');
  if (first == std::u32string::npos) return U"";
  return title.substr(first, title.find_last_not_of(U' ') - first + 1);
}

std::string quote(const std::u32string& text) {
  std::u32string quoted = U"\"";
  for (char32_t code : text) {
    char escape[8];
    if (code == '\\' || code == '"') {
      quoted += U'\\';
      quoted += code;
    } else if (code == '\n' || code == '\r' || code == '\t') {
      quoted += code == '\n' ? U"\\n" : code == '\r' ? U"\\r" : U"\\t";
    } else if (isControl(code)) {
      std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned>(code));
      quoted += ascii(escape);
    } else if (code >= 0x80 && code <= 0x9F) {
      std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(code));
      quoted += ascii(escape);
    } else {
      quoted += code;
    }
  }
  return utf8(quoted + U"\"");
}

// A tree as the browser shows it.
struct Shown {
  std::u32string title;
  bool isFolder;
  std::u32string url;
  std::vector<Shown> children;
};

// The nodes that reach a browser's tree: written by the exporter and not
// refused by the browser. Folders are kept as written.
std::vector<Shown> written(const std::vector<Node>& nodes, const std::string& codePage) {
  std::vector<Shown> shown;
  for (const Node& node : nodes) {
    if (node.isFolder) {
      shown.push_back({writtenTitle(node.title, codePage), true, U"", written(node.children, codePage)});
    } else if (!isScriptUrl(decode(node.url, codePage)) && !node.refused) {
      shown.push_back({writtenTitle(node.title, codePage), false, importedUrl(node, codePage), {}});
    }
  }
  return shown;
}

Shown exportedTree(const ExportRun& run) {
  Shown top{utf8Decode(run.topFolder), true, U"", {}};
  if (run.profiles.size() == 1) {
    top.children = written(run.profiles[0]->favorites, run.codePage);
    return top;
  }
  for (const CaseProfile* profile : run.profiles) {
    top.children.push_back(
        {writtenTitle(profile->screenName, run.codePage), true, U"", written(profile->favorites, run.codePage)});
  }
  return top;
}

void print(const Shown& item, int depth, bool firefox, std::string& lines) {
  std::u32string title = firefox && !item.isFolder ? firefoxLinkTitle(item.title) : item.title;
  lines += std::to_string(depth) + (item.isFolder ? " F " : " B ") + quote(title);
  if (!item.isFolder) lines += " " + quote(item.url);
  lines += "\n";
  for (const Shown& child : item.children) print(child, depth + 1, firefox, lines);
}

// Chromium imports links only, each into the folder its path of folder
// titles names: the first sibling folder of each title, made when missing.
void addByPath(const Shown& link, const std::vector<std::u32string>& path, std::vector<Shown>& level) {
  std::vector<Shown>* children = &level;
  for (const std::u32string& title : path) {
    Shown* found = nullptr;
    for (Shown& sibling : *children) {
      if (sibling.isFolder && sibling.title == title) {
        found = &sibling;
        break;
      }
    }
    if (found == nullptr) {
      children->push_back({title, true, U"", {}});
      found = &children->back();
    }
    children = &found->children;
  }
  children->push_back(link);
}

void collectLinks(const Shown& item, std::vector<std::u32string>& path, std::vector<Shown>& level) {
  if (!item.isFolder) {
    addByPath(item, path, level);
    return;
  }
  path.push_back(item.title);
  for (const Shown& child : item.children) collectLinks(child, path, level);
  path.pop_back();
}

}  // namespace

std::string expectedFirefoxTree(const ExportRun& run) {
  std::string lines;
  print(exportedTree(run), 0, true, lines);
  return lines;
}

std::string expectedChromiumTree(const ExportRun& run) {
  std::vector<Shown> roots;
  std::vector<std::u32string> path;
  collectLinks(exportedTree(run), path, roots);
  std::string lines;
  for (const Shown& item : roots) print(item, 0, false, lines);
  return lines;
}

}  // namespace browsers
