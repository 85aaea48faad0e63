#include "bookmarks/CodePage.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// The code points of `text`, decoded as the writer decodes it.
std::vector<DWORD> decodeAll(const CodePage& codePage, const std::string& text) {
  std::vector<DWORD> points;
  const char* next = text.c_str();
  while (*next != '\0') {
    DWORD point = 0;
    next = codePage.decode(next, point);
    points.push_back(point);
  }
  return points;
}

const CodePage& named(const char* name) {
  const CodePage* page = CodePage::find(name);
  EXPECT_NE(page, nullptr) << name;
  return page != nullptr ? *page : CodePage::standard();
}

TEST(CodePageTest, Windows1252DefinesEveryByteAsBrowsersDo) {
  const DWORD expected[32] = {
      0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
  };
  for (int byte = 0x80; byte <= 0xFF; ++byte) {
    std::string text(1, static_cast<char>(byte));
    DWORD want = byte < 0xA0 ? expected[byte - 0x80] : static_cast<DWORD>(byte);
    EXPECT_EQ(decodeAll(CodePage::standard(), text), std::vector<DWORD>{want}) << std::hex << byte;
  }
  EXPECT_STREQ(CodePage::standard().name(), "windows-1252");
}

TEST(CodePageTest, OtherCodePagesSamples) {
  // "Привет" in Windows-1251; 0x98 is the one byte it leaves undefined.
  EXPECT_EQ(decodeAll(named("1251"), "\xCF\xF0\xE8\xE2\xE5\xF2"),
            (std::vector<DWORD>{0x41F, 0x440, 0x438, 0x432, 0x435, 0x442}));
  EXPECT_EQ(decodeAll(named("1251"), "a\x98z"), (std::vector<DWORD>{'a', 0xFFFD, 'z'}));
  EXPECT_EQ(decodeAll(named("koi8-r"), "\x01z\x7F\xC1\xFF"), (std::vector<DWORD>{0x01, 'z', 0x7F, 0x430, 0x42A}));
  EXPECT_EQ(decodeAll(named("macintosh"), "\x80\xA5"), (std::vector<DWORD>{0xC4, 0x2022}));
  EXPECT_EQ(decodeAll(named("iso-8859-1"), "\x81\xE9"), (std::vector<DWORD>{0x81, 0xE9}));
  EXPECT_EQ(decodeAll(named("iso-8859-15"), "\xA4"), std::vector<DWORD>{0x20AC});
  // ISO-8859-7 leaves 0xAE undefined; Windows-1253 leaves 0xAA undefined.
  EXPECT_EQ(decodeAll(named("iso-8859-7"), "\xAE"), std::vector<DWORD>{0xFFFD});
  EXPECT_EQ(decodeAll(named("windows-1253"), "\xAA\xE1"), (std::vector<DWORD>{0xFFFD, 0x3B1}));
}

TEST(CodePageTest, Utf8KeepsValidSequencesAndReplacesEachInvalidByte) {
  const CodePage& utf8 = named("utf-8");
  EXPECT_EQ(decodeAll(utf8, "\x01\x7F"), (std::vector<DWORD>{0x01, 0x7F}));
  EXPECT_EQ(decodeAll(utf8, "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80 \xF4\x8F\xBF\xBF"),
            (std::vector<DWORD>{'c', 'a', 'f', 0xE9, ' ', 0x20AC, ' ', 0x1F600, ' ', 0x10FFFF}));
  const DWORD R = 0xFFFD;
  struct Case {
    const char* text;
    std::vector<DWORD> points;
  };
  const Case cases[] = {
      {"\xFF", {R}},
      {"\x80z", {R, 'z'}},
      {"\xC0\xAF", {R, R}},              // overlong '/'
      {"\xE0\x80\xAF", {R, R, R}},       // overlong
      {"\xED\xA0\x80", {R, R, R}},       // surrogate
      {"\xF4\x90\x80\x80", {R, R, R, R}},  // above U+10FFFF
      {"\xF5\x80", {R, R}},
      {"\xE2\x82z", {R, R, 'z'}},        // cut by an ASCII byte
      {"\xE2\x82", {R, R}},              // cut by the end of the text
      {"\xF0\x9F\x98", {R, R, R}},
  };
  for (const Case& c : cases) EXPECT_EQ(decodeAll(utf8, c.text), c.points) << c.text;
}

TEST(CodePageTest, EncodeUtf8AtEveryLengthBoundaryDecodesBack) {
  const DWORD points[] = {0x7F, 0x80, 0x7FF, 0x800, 0xFFFD, 0xFFFF, 0x10000, 0x10FFFF};
  const DWORD lengths[] = {1, 2, 2, 3, 3, 3, 4, 4};
  for (int i = 0; i < 8; ++i) {
    char bytes[5] = {};
    ASSERT_EQ(encodeUtf8(points[i], bytes), lengths[i]) << std::hex << points[i];
    EXPECT_EQ(decodeAll(named("utf-8"), bytes), std::vector<DWORD>{points[i]});
  }
}

TEST(CodePageTest, FindTakesTheUsualNameFormsInAnyCase) {
  const char* const forms1252[] = {"1252", "cp1252", "CP1252", "windows-1252", "Windows-1252"};
  for (const char* form : forms1252) EXPECT_EQ(CodePage::find(form), &CodePage::standard()) << form;
  EXPECT_STREQ(named("1251").name(), "windows-1251");
  EXPECT_STREQ(named("ISO8859-2").name(), "iso-8859-2");
  EXPECT_STREQ(named("KOI8-U").name(), "koi8-u");
  EXPECT_STREQ(named("cp866").name(), "ibm866");
  EXPECT_STREQ(named("UTF8").name(), "utf-8");
  // The Latin-n and script names of ISO 8859, and the short forms.
  const char* const aliases[][2] = {
      {"latin1", "iso-8859-1"},  {"Latin-2", "iso-8859-2"},  {"l5", "iso-8859-9"},     {"latin9", "iso-8859-15"},
      {"latin10", "iso-8859-16"}, {"cyrillic", "iso-8859-5"}, {"greek", "iso-8859-7"}, {"thai", "iso-8859-11"},
      {"iso_8859-8", "iso-8859-8"}, {"koi8r", "koi8-r"},     {"mac", "macintosh"},     {"x-cp1250", "windows-1250"}};
  for (const auto& alias : aliases) EXPECT_STREQ(named(alias[0]).name(), alias[1]) << alias[0];
  const char* const unknown[] = {"", "cp", "windows-", "1252x", "cp12520", "iso-8859-12", "utf-16", "koi8"};
  for (const char* name : unknown) EXPECT_EQ(CodePage::find(name), nullptr) << name;
}

TEST(CodePageTest, EveryListedNameFindsItsCodePage) {
  int count = 0;
  for (const char* const* name = CodePage::names(); *name != nullptr; ++name, ++count) {
    const CodePage* page = CodePage::find(*name);
    ASSERT_NE(page, nullptr) << *name;
    EXPECT_STREQ(page->name(), *name);
  }
  // Ten Windows code pages, IBM 866, fifteen ISO-8859 parts, two KOI8, Mac Roman, UTF-8.
  EXPECT_EQ(count, 30);
}

// What lets a URL's scheme be judged on its bytes (favorites/UrlScheme.h):
// in every code page, a text starting with a byte from 0x80 up decodes to a
// first character that is no ASCII one.
TEST(CodePageTest, NoByteFrom0x80UpDecodesToAscii) {
  for (const char* const* name = CodePage::names(); *name != nullptr; ++name) {
    const CodePage& page = *CodePage::find(*name);
    for (int lead = 0x80; lead <= 0xFF; ++lead) {
      for (int second = 0x80; second <= 0xBF; ++second) {
        const char text[] = {static_cast<char>(lead), static_cast<char>(second), '\x80', '\x80', '\0'};
        DWORD point = 0;
        page.decode(text, point);
        ASSERT_GE(point, 0x80u) << *name << " " << std::hex << lead << " " << second;
      }
    }
  }
}

}  // namespace
