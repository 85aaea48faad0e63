#include "tests/browsers/BrowserCases.h"

namespace browsers {

Node link(const std::string& title, const std::string& url, const std::string& shown) {
  Node node;
  node.title = title;
  node.url = url;
  node.shown = shown;
  return node;
}

Node refusedLink(const std::string& title, const std::string& url) {
  Node node = link(title, url);
  node.refused = true;
  return node;
}

Node folder(const std::string& title, std::vector<Node> children) {
  Node node;
  node.title = title;
  node.isFolder = true;
  node.children = std::move(children);
  return node;
}

namespace {

// Titles and URLs that try to end an element, start a line or run script.
CaseProfile hostileProfile() {
  return {"a-hostile",
          "Hostile Hal",
          {link("Line1\r\nLine2", "http://hostile.example/lines"),
           link("Tab\there", "http://hostile.example/tab"),
           link("Bell\x07 Esc\x1b[31m Del\x7f Unit\x1f", "http://hostile.example/controls"),
           link("</A><A HREF=\"javascript:alert(1)\">x", "http://hostile.example/close"),
           link("\"><script>alert(1)</script>", "http://hostile.example/q\"><script>alert(1)</script>",
                "http://hostile.example/q%22%3E%3Cscript%3Ealert(1)%3C/script%3E"),
           link("Run me", "javascript:alert(1)"),
           link("Run me too", " JavaScript:alert(1)"),
           link("Basic", "vbscript:msgbox(1)"),
           link("Inline page", "data:text/html,<script>alert(1)</script>"),
           link("Split scheme", "java\tscript:alert(1)"),
           link("Control before scheme", "\x01javascript:alert(1)"),
           link("No-break space before script", "\xA0javascript:alert(1)"),
           link("No-break space before Basic", "\xA0vbscript:msgbox(1)"),
           link("No-break space before a page", "\xA0" "data:text/html,<script>alert(1)</script>"),
           link("CRLF in URL", "http://hostile.example/a\r\nb"),
           link("TAB and a control in URL", "http://hostile.example/a\tb\x01" "c"),
           link("Space in URL", "http://hostile.example/a b", "http://hostile.example/a%20b"),
           folder("Only scripts", {link("Nothing", "javascript:void(0)")}),
           link("Literal reference &#10; and &amp;", "http://hostile.example/literal?a=1&b=2"),
           link("After the hostile ones", "http://hostile.example/after")}};
}

// Names a file system would refuse, Windows-1252 text, duplicates, empty
// titles, a long title and AOL-only links.
CaseProfile namesProfile() {
  std::string longTitle;  // 300 characters
  for (int i = 0; i < 30; ++i) longTitle += "Long titl" + std::string(1, static_cast<char>('A' + i % 26));
  return {"b-names",
          "Name Tester",
          {link("& < > \" ' / \\ : * ? |", "http://names.example/escaped?a=1&b=2"),
           link("a/b: c?", "http://names.example/true-title"),
           link("Caf\xe9 M\xfcller \xc0 la carte \xa9", "http://names.example/accents"),
           link("\x80 \x85 \x8a \x91single\x92 \x93" "double\x94 \x96 \x97 \x99 \x9f", "http://names.example/high"),
           link("Undefined \x81 \x8d \x8f \x90 \x9d", "http://names.example/undefined"),
           link("Caf\xe9 in the URL", "http://names.example/caf\xe9", "http://names.example/caf%C3%A9"),
           link("", "http://names.example/empty-title"),
           folder("", {link("In a folder without a title", "http://names.example/untitled-folder")}),
           folder("Twice", {link("First", "http://names.example/twice-1"),
                            folder("Inner", {link("Inner first", "http://names.example/inner-1")})}),
           link("Between", "http://names.example/between"),
           folder("Twice", {folder("Inner", {link("Inner second", "http://names.example/inner-2")}),
                            link("Second", "http://names.example/twice-2")}),
           link("Same", "http://names.example/same"),
           link("Same", "http://names.example/same"),
           link(longTitle, "http://names.example/long"),
           refusedLink("Recipes", "aol://1722:recipes"),
           refusedLink("Dotted", "aol://4344:1010.aol.123"),
           folder("AOL only", {refusedLink("Keyword", "aol://1722:keyword")}),
           link("After AOL", "http://names.example/after-aol")}};
}

CaseProfile deepProfile() {
  std::vector<Node> level = {link("At the bottom", "http://deep.example/bottom")};
  for (int depth = 50; depth >= 1; --depth) level = {folder("Level " + std::to_string(depth), level)};
  level.push_back(link("Beside the nest", "http://deep.example/beside"));
  return {"c-deep", "Plumb Line", level};
}

// Windows-1251 text: "Privet", "Novosti", "Pogoda" in Cyrillic.
CaseProfile cyrillicProfile() {
  return {"ivan",
          "Ivan",
          {link("\xcf\xf0\xe8\xe2\xe5\xf2", "http://cyrillic.example/privet"),
           folder("\xcd\xee\xe2\xee\xf1\xf2\xe8", {link("\xcf\xee\xe3\xee\xe4\xe0", "http://cyrillic.example/pogoda")})}};
}

// UTF-8 text: script links behind an ideographic space, a byte-order mark
// and a line separator, beside a link that is kept.
CaseProfile unicodeProfile() {
  return {"uma",
          "Uma \xE2\x80\x9CUTF-8\xE2\x80\x9D",
          {link("Ideographic space before script", "\xE3\x80\x80javascript:alert(1)"),
           link("Byte-order mark before script", "\xEF\xBB\xBFjavascript:alert(1)"),
           link("Line separator before a page", "\xE2\x80\xA8" "data:text/html,x"),
           link("Caf\xC3\xA9\r\nsur la place", "http://unicode.example/caf\xC3\xA9",
                "http://unicode.example/caf%C3%A9")}};
}

CaseProfile otherProfile() {
  return {"olga", "Olga", {link("Not exported", "http://cyrillic.example/olga")}};
}

CaseSet makeCases() {
  // Profiles in the order of both their file names and their screen names.
  CaseSet cases;
  cases.directories = {{"profiles", {hostileProfile(), namesProfile(), deepProfile()}},
                       {"cyrillic", {cyrillicProfile(), otherProfile()}},
                       {"unicode", {unicodeProfile()}}};
  const std::vector<CaseProfile>& main = cases.directories[0].second;
  const std::vector<CaseProfile>& cyrillic = cases.directories[1].second;
  const std::vector<CaseProfile>& unicode = cases.directories[2].second;
  cases.runs = {
      {"all", "profiles", {}, {&main[0], &main[1], &main[2]}, "AOL Favorite Places", "windows-1252"},
      {"two", "profiles", {"--profile", "Name Tester", "--profile", "Plumb Line"}, {&main[1], &main[2]},
       "AOL Favorite Places", "windows-1252"},
      {"lone",
       "cyrillic",
       {"--profile", "Ivan", "--codepage", "1251", "--folder", "From AOL & <Co>"},
       {&cyrillic[0]},
       "From AOL & <Co>",
       "windows-1251"},
      {"utf8", "unicode", {"--codepage", "utf-8"}, {&unicode[0]}, "AOL Favorite Places", "utf-8"},
  };
  return cases;
}

builder::Item organizeItem(const Node& node) {
  if (!node.isFolder) return builder::favorite(node.title, node.url);
  std::vector<builder::Item> children;
  for (const Node& child : node.children) children.push_back(organizeItem(child));
  return builder::folder(node.title, children);
}

}  // namespace

const CaseSet& browserCases() {
  static const CaseSet cases = makeCases();
  return cases;
}

builder::Profile organizeProfile(const CaseProfile& profile) {
  std::vector<builder::Item> favorites;
  for (const Node& node : profile.favorites) favorites.push_back(organizeItem(node));
  return {profile.screenName, {builder::favoritePlaces(favorites)}};
}

}  // namespace browsers
