#include "bookmarks/tests/BookmarksProperties.h"

#include "bookmarks/CodePage.h"
#include "favorites/UrlScheme.h"

#include <cstddef>
#include <cstdlib>

namespace {

const char* const Header[] = {
    "<!DOCTYPE NETSCAPE-Bookmark-file-1>",
    "<!-- AOL Favorite Places, written by Placemove for a browser to import. -->",
    "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">",
    "<TITLE>Bookmarks</TITLE>",
    "<H1>Bookmarks</H1>",
    "<DL><p>",
};

bool isUtf8(const std::string& text) {
  const CodePage& utf8 = *CodePage::find("utf-8");
  for (const char* next = text.c_str(); *next != '\0';) {
    DWORD point = 0;
    const char* behind = utf8.decode(next, point);
    // A U+FFFD of the text itself is three bytes; one for a byte that is
    // no UTF-8.
    if (point == ReplacementCharacter && behind == next + 1) return false;
    next = behind;
  }
  return true;
}

bool startsWith(const std::string& text, std::size_t at, const std::string& prefix) {
  return text.compare(at, prefix.size(), prefix) == 0;
}

// A title or URL as written: no markup character, '&' only as an entity.
bool isEscapedText(const std::string& text) {
  for (std::size_t at = 0; at < text.size(); ++at) {
    char c = text[at];
    if (c == '<' || c == '>' || c == '"') return false;
    if (c != '&') continue;
    if (startsWith(text, at, "&amp;") || startsWith(text, at, "&lt;") || startsWith(text, at, "&gt;") ||
        startsWith(text, at, "&quot;")) {
      continue;
    }
    std::size_t digit = at + 2;
    while (digit < text.size() && text[digit] >= '0' && text[digit] <= '9') ++digit;
    if (!startsWith(text, at, "&#") || digit == at + 2 || digit == text.size() || text[digit] != ';') return false;
  }
  return true;
}

// A text that isEscapedText accepts, as a browser's parser reads it:
// entities and character references decoded, each reference beyond ASCII
// as one non-ASCII byte (which is all the scheme's rule needs to know of it).
std::string unescaped(const std::string& text) {
  std::string plain;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] != '&') {
      plain += text[at];
      continue;
    }
    std::size_t end = text.find(';', at);
    std::string name = text.substr(at + 1, end - at - 1);
    unsigned long code = name[0] == '#' ? std::strtoul(name.c_str() + 1, nullptr, 10) : 0;
    if (name == "amp") plain += '&';
    if (name == "lt") plain += '<';
    if (name == "gt") plain += '>';
    if (name == "quot") plain += '"';
    if (name[0] == '#') plain += code > 0 && code < 0x80 ? static_cast<char>(code) : '\x80';
    at = end;
  }
  return plain;
}

bool isScriptHref(const std::string& href) {
  std::string url = unescaped(href);
  return isScriptUrl(url.data(), static_cast<DWORD>(url.size()));
}

// Takes `ADD_DATE="<number>">` from `line` at `at`.
bool takeDate(const std::string& line, std::size_t& at) {
  if (!startsWith(line, at, "ADD_DATE=\"")) return false;
  std::size_t digit = at + 10;
  if (digit < line.size() && line[digit] == '-') ++digit;
  std::size_t first = digit;
  while (digit < line.size() && line[digit] >= '0' && line[digit] <= '9') ++digit;
  if (digit == first || !startsWith(line, digit, "\">")) return false;
  at = digit + 2;
  return true;
}

// `<A HREF="url" ADD_DATE="n">title</A>` or `<H3 ADD_DATE="n">title</H3>`.
bool isItem(const std::string& element, bool& folder) {
  std::size_t at = 0;
  std::string end;
  folder = startsWith(element, 0, "<H3 ");
  if (folder) {
    at = 4;
    end = "</H3>";
  } else {
    if (!startsWith(element, 0, "<A HREF=\"")) return false;
    std::size_t close = element.find('"', 9);
    if (close == std::string::npos || !isEscapedText(element.substr(9, close - 9)) ||
        isScriptHref(element.substr(9, close - 9))) {
      return false;
    }
    if (!startsWith(element, close, "\" ")) return false;
    at = close + 2;
    end = "</A>";
  }
  if (!takeDate(element, at) || element.size() < at + end.size()) return false;
  std::size_t titleEnd = element.size() - end.size();
  return element.compare(titleEnd, end.size(), end) == 0 && isEscapedText(element.substr(at, titleEnd - at));
}

}  // namespace

std::string bookmarksFault(const std::string& file) {
  if (!isUtf8(file)) return "not UTF-8";
  if (file.empty() || file.back() != '\n') return "no line end at the end";
  std::size_t lists = 0;
  bool folderBefore = false;
  std::size_t number = 0;
  for (std::size_t start = 0; start < file.size(); ++number) {
    std::size_t end = file.find('\n', start);
    std::string line = file.substr(start, end - start);
    start = end + 1;
    std::string where = "line " + std::to_string(number + 1) + ": " + line;
    for (char c : line) {
      if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return "control character in " + where;
    }
    if (number < 6) {
      if (line != Header[number]) return "not the header, " + where;
      if (number == 5) lists = 1;
      continue;
    }
    if (lists == 0) return "behind the end, " + where;
    std::size_t indent = line.find_first_not_of(' ');
    if (indent == std::string::npos || indent % 4 != 0) return "indentation, " + where;
    std::string element = line.substr(indent);
    std::size_t level = indent / 4;
    bool folder = false;
    if (element == "<DL><p>") {
      if (!folderBefore || level != lists) return "list without its folder, " + where;
      ++lists;
    } else if (element == "</DL><p>") {
      if (folderBefore || level != lists - 1) return "list closed out of place, " + where;
      --lists;
    } else if (folderBefore || level != lists || element.compare(0, 4, "<DT>") != 0 ||
               !isItem(element.substr(4), folder)) {
      return "not an item in its place, " + where;
    }
    folderBefore = folder;
  }
  if (number < 6) return "header cut";
  if (lists != 0) return "lists left open";
  return "";
}
