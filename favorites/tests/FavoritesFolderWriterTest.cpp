#include "favorites/FavoritesFolderWriter.h"

#include "aol/organize/FavoritePlaces.h"
#include "tests/builder/OrganizeBuilder.h"
#include "tests/support/ProgressBar.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

using namespace builder;

namespace {

// Relative path -> bytes of every file expected below a folder; directories
// end in '\' and hold nothing.
using Expected = std::map<std::string, std::string>;

// The "Modified=" line of a time, built from the FILETIME's value.
std::string modifiedLine(const Timestamp& time) {
  FILETIME fileTime = time.toFileTime();
  ULONGLONG value = (static_cast<ULONGLONG>(fileTime.dwHighDateTime) << 32) | fileTime.dwLowDateTime;
  std::string line = "Modified=";
  unsigned sum = 0;
  char digits[3];
  for (int i = 0; i < 8; ++i) {
    unsigned byte = static_cast<unsigned>(value >> (8 * i)) & 0xFF;
    sum += byte;
    std::snprintf(digits, sizeof digits, "%02X", byte);
    line += digits;
  }
  std::snprintf(digits, sizeof digits, "%02X", sum & 0xFF);
  return line + digits + "\r\n";
}

::testing::AssertionResult holdsExactly(const TempFolder& folder, const Expected& expected) {
  std::vector<std::string> names;
  for (const auto& entry : expected) names.push_back(entry.first);
  std::vector<std::string> tree = folder.tree();
  if (tree != names) {
    return ::testing::AssertionFailure() << "the folder holds\n  " << ::testing::PrintToString(tree) << "\nexpected\n  "
                                         << ::testing::PrintToString(names);
  }
  for (const auto& entry : expected) {
    if (entry.first.back() == '\\') continue;
    std::string bytes = folder.read(entry.first);
    if (bytes != entry.second) {
      return ::testing::AssertionFailure() << entry.first << " holds " << ::testing::PrintToString(bytes)
                                           << "\nexpected " << ::testing::PrintToString(entry.second);
    }
  }
  return ::testing::AssertionSuccess();
}

class FavoritesFolderWriterTest : public ::testing::Test {
protected:
  TempFolder source;
  TempFolder destination;
  Timestamp defaultTime;

  // Reads the profile into a writer on `folder` (the destination when
  // empty) and returns the number of records of the profile file.
  DWORD import(const Profile& profile, HWND progressBar = nullptr, const std::string& folder = "") {
    OrganizeFile file(profile);
    file.save(source / "profile");
    FavoritesFolderWriter writer(folder.empty() ? destination.path().c_str() : folder.c_str(), progressBar);
    defaultTime = writer.defaultTime();
    readFavoritePlaces((source / "profile").c_str(), writer);
    counts = writer.counts();
    return file.recordCount();
  }

  ImportCounts counts;

  // The shortcut file of a URL with the writer's time.
  std::string shortcut(const std::string& url) const {
    return "[InternetShortcut]\r\nURL=" + url + "\r\n" + modifiedLine(defaultTime);
  }
};

// A profile with these favourites, and a folder besides them whose
// favourite and URL records are never read.
const DWORD UnreadRecords = 2;

Profile profileOf(std::vector<Item> favorites) {
  return Profile{
      "Jo Smith",
      {favoritePlaces(std::move(favorites)), topFolder("Buddy List", 0, {favorite("Not a favourite", "http://no/")})}};
}

}  // namespace

TEST_F(FavoritesFolderWriterTest, WritesNestedFoldersAndFavourites) {
  import(profileOf({favorite("News", "http://news.example/"),
                    folder("Work", {favorite("Mail", "http://mail.example/"),
                                    folder("Deep", {folder("Deeper", {favorite("Bottom", "http://bottom/")})})}),
                    favorite("Last", "http://last.example/")}));
  EXPECT_TRUE(holdsExactly(destination, {{"News.url", shortcut("http://news.example/")},
                                         {"Work\\", ""},
                                         {"Work\\Mail.url", shortcut("http://mail.example/")},
                                         {"Work\\Deep\\", ""},
                                         {"Work\\Deep\\Deeper\\", ""},
                                         {"Work\\Deep\\Deeper\\Bottom.url", shortcut("http://bottom/")},
                                         {"Last.url", shortcut("http://last.example/")}}));
}

TEST_F(FavoritesFolderWriterTest, SameTitlesShareTheirName) {
  // The last of two favourites wins, with no bytes of the first left; two
  // folders make one directory; a folder and a favourite live side by side.
  import(profileOf({favorite("Dup", "http://first.example/a/much/longer/address/"),
                    folder("Both", {favorite("Inner", "http://inner/")}), favorite("Both", "http://both/"),
                    folder("Merged", {favorite("One", "http://one/")}),
                    folder("Merged", {favorite("Two", "http://two/"), favorite("One", "http://one-again/")}),
                    favorite("Dup", "http://2/")}));
  EXPECT_TRUE(holdsExactly(destination, {{"Dup.url", shortcut("http://2/")},
                                         {"Both.url", shortcut("http://both/")},
                                         {"Both\\", ""},
                                         {"Both\\Inner.url", shortcut("http://inner/")},
                                         {"Merged\\", ""},
                                         {"Merged\\One.url", shortcut("http://one-again/")},
                                         {"Merged\\Two.url", shortcut("http://two/")}}));
}

TEST_F(FavoritesFolderWriterTest, EveryTitleIsOneSafeComponent) {
  import(profileOf({favorite("", "http://empty/"), folder("", {favorite("in empty", "http://e/")}),
                    folder("Misc.", {favorite("x.", "http://x/")}), folder(".", {favorite("dot", "http://d/")}),
                    folder("..", {favorite("dots", "http://dd/")}), favorite("\"*/\\:<>?|%", "http://all/"),
                    folder("a/b\\c", {favorite("?", "http://q/")}), folder("News ", {favorite("in", "http://n/")}),
                    folder("  ", {favorite("spaces", "http://s/")}), favorite("end ", "http://end/")}));
  EXPECT_TRUE(holdsExactly(destination, {{"%.url", shortcut("http://empty/")},
                                         {"%\\", ""},
                                         {"%\\in empty.url", shortcut("http://e/")},
                                         {"Misc.%\\", ""},
                                         {"Misc.%\\x..url", shortcut("http://x/")},
                                         {".%\\", ""},
                                         {".%\\dot.url", shortcut("http://d/")},
                                         {"..%\\", ""},
                                         {"..%\\dots.url", shortcut("http://dd/")},
                                         {"%'%+%-%_%;%{%}%~%!%%.url", shortcut("http://all/")},
                                         {"a%-b%_c\\", ""},
                                         {"a%-b%_c\\%~.url", shortcut("http://q/")},
                                         {"News %\\", ""},
                                         {"News %\\in.url", shortcut("http://n/")},
                                         {"  %\\", ""},
                                         {"  %\\spaces.url", shortcut("http://s/")},
                                         {"end .url", shortcut("http://end/")}}));
}

TEST_F(FavoritesFolderWriterTest, DeviceNamesGetAMark) {
  import(profileOf({favorite("CON", "http://con/"), favorite("nul.txt", "http://nul/"),
                    favorite("nul .txt", "http://nul-space/"), favorite("aux", "http://aux/"),
                    folder("Com1", {favorite("LPT9", "http://lpt/")}), folder("CON.", {favorite("x", "http://x/")}),
                    favorite("CONSOLE", "http://console/"), favorite("com10", "http://com10/")}));
  EXPECT_TRUE(holdsExactly(destination, {{"CON%.url", shortcut("http://con/")},
                                         {"nul%.txt.url", shortcut("http://nul/")},
                                         {"nul %.txt.url", shortcut("http://nul-space/")},
                                         {"aux%.url", shortcut("http://aux/")},
                                         {"Com1%\\", ""},
                                         {"Com1%\\LPT9%.url", shortcut("http://lpt/")},
                                         {"CON%.%\\", ""},
                                         {"CON%.%\\x.url", shortcut("http://x/")},
                                         {"CONSOLE.url", shortcut("http://console/")},
                                         {"com10.url", shortcut("http://com10/")}}));
}

TEST_F(FavoritesFolderWriterTest, UrlsAreWrittenWhole) {
  std::string longUrl = "http://long.example/";
  while (longUrl.size() < 9000) longUrl += "segment/";
  import(profileOf({favorite("Empty", ""), favorite("Long", longUrl),
                    favorite("Broken", "http://a/\r\nIconFile=\\\\server\\share\\x.ico")}));
  EXPECT_TRUE(
      holdsExactly(destination, {{"Empty.url", shortcut("")},
                                 {"Long.url", shortcut(longUrl)},
                                 {"Broken.url", shortcut("http://a/%0D%0AIconFile=\\\\server\\share\\x.ico")}}));
}

TEST_F(FavoritesFolderWriterTest, EveryFileCarriesTheTimeOneSecondBeforeConstruction) {
  Timestamp before = Timestamp::now();
  import(profileOf({favorite("A", "http://a/"), folder("F", {favorite("B", "http://b/")})}));
  Timestamp after = Timestamp::now();
  EXPECT_GE(defaultTime.value(), before.value() - TimestampSecond);
  EXPECT_LE(defaultTime.value(), after.value() - TimestampSecond);
  std::string line = modifiedLine(defaultTime);
  EXPECT_NE(destination.read("A.url").find(line), std::string::npos) << line;
  EXPECT_NE(destination.read("F\\B.url").find(line), std::string::npos) << line;
}

TEST_F(FavoritesFolderWriterTest, TrailingBackslashOfTheDestinationMakesNoDifference) {
  import(profileOf({folder("F", {favorite("B", "http://b/")}), favorite("A", "http://a/")}), nullptr,
         destination.path() + "\\");
  EXPECT_TRUE(
      holdsExactly(destination, {{"A.url", shortcut("http://a/")}, {"F\\", ""}, {"F\\B.url", shortcut("http://b/")}}));
}

TEST_F(FavoritesFolderWriterTest, FileThatCannotBeMadeIsSkipped) {
  // "a.url" is a directory already, so the favourite "a" cannot be written;
  // the walk goes on.
  import(profileOf(
      {folder("a.url", {favorite("in", "http://in/")}), favorite("a", "http://a/"), favorite("b", "http://b/")}));
  EXPECT_TRUE(holdsExactly(
      destination, {{"a.url\\", ""}, {"a.url\\in.url", shortcut("http://in/")}, {"b.url", shortcut("http://b/")}}));
}

TEST_F(FavoritesFolderWriterTest, TheProgressBarCountsEveryRecordRead) {
  ProgressBar bar;
  DWORD records =
      import(profileOf({favorite("A", "http://a/"), folder("F", {favorite("B", "http://b/")})}), bar.window());
  EXPECT_EQ(bar.position(), static_cast<int>(records - UnreadRecords));
  EXPECT_EQ(records, 10u);
}

TEST_F(FavoritesFolderWriterTest, CountsWhatItWritesAndWhatWindowsRefuses) {
  // A control character is refused by Windows in any name: the favourite is
  // not written, nor the folder with anything in it, and each of them
  // counts. "a.url" is a directory, so the favourite "a" fails for another
  // reason, right in the destination.
  import(profileOf({favorite("tab\there", "http://tab/"), folder("bell\a", {favorite("in", "http://in/"),
                                                                               folder("sub", {})}),
                    folder("a.url", {favorite("in", "http://in/")}), favorite("a", "http://a/"), folder("F", {favorite("B", "http://b/")}),
                    folder("F", {favorite("C", "http://c/")})}));
  EXPECT_TRUE(holdsExactly(destination, {{"a.url\\", ""},
                                         {"a.url\\in.url", shortcut("http://in/")},
                                         {"F\\", ""},
                                         {"F\\B.url", shortcut("http://b/")},
                                         {"F\\C.url", shortcut("http://c/")}}));
  EXPECT_EQ(counts.folders, 3u) << "a reused directory counts as well";
  EXPECT_EQ(counts.favorites, 3u);
  EXPECT_EQ(counts.invalidName, 3u);
  EXPECT_EQ(counts.notWritten, 1u);
  EXPECT_EQ(counts.pathTooLong, 0u);
  EXPECT_EQ(counts.destinationError, static_cast<DWORD>(ERROR_ACCESS_DENIED));
}

TEST_F(FavoritesFolderWriterTest, AFileWrittenOverIsCountedApart) {
  // Two favourites of one name leave one file; a file there before the
  // writer is replaced by a favourite that is counted as written.
  destination.write("Old.url", "before");
  import(profileOf({favorite("News", "http://first/"), folder("F", {favorite("In", "http://in/")}),
                    folder("F", {favorite("In", "http://in-again/"), favorite("News", "http://f-news/")}),
                    favorite("Old", "http://old/"), favorite("News", "http://second/"),
                    favorite("News", "http://third/")}));
  EXPECT_TRUE(holdsExactly(destination, {{"News.url", shortcut("http://third/")},
                                         {"F\\", ""},
                                         {"F\\In.url", shortcut("http://in-again/")},
                                         {"F\\News.url", shortcut("http://f-news/")},
                                         {"Old.url", shortcut("http://old/")}}));
  EXPECT_EQ(counts.favorites, 4u) << "one for each file";
  EXPECT_EQ(counts.replaced, 3u);
  EXPECT_EQ(counts.replacedOlder, 1u);
}

// Paths of up to 259 characters are written: a favourite whose file name
// would be longer, and a folder whose path would be 259 characters or more,
// are skipped with everything in them, and the rest lands where it belongs.
class LongPathTest : public FavoritesFolderWriterTest {
protected:
  // Characters left for a component behind the destination and its '\'.
  int room() const { return 259 - static_cast<int>(destination.path().size()) - 1; }
};

TEST_F(LongPathTest, FavouriteOfExactlyTheLongestNameIsWritten) {
  std::string longest(room() - 4, 'a');
  std::string escapedLongest = std::string(room() - 6, 'c') + "?";  // "cc...c%~"
  ProgressBar bar;
  DWORD records =
      import(profileOf({favorite(longest, "http://fits/"), favorite(longest + "b", "http://long/"),
                        favorite(escapedLongest, "http://escaped/"),
                        favorite("c" + escapedLongest, "http://escaped-long/"), favorite("after", "http://after/")}),
             bar.window());
  EXPECT_TRUE(holdsExactly(destination, {{longest + ".url", shortcut("http://fits/")},
                                         {std::string(room() - 6, 'c') + "%~.url", shortcut("http://escaped/")},
                                         {"after.url", shortcut("http://after/")}}));
  EXPECT_EQ(bar.position(), static_cast<int>(records - UnreadRecords)) << "skipped items step the bar as well";
}

TEST_F(LongPathTest, FolderThatDoesNotFitIsSkippedWithItsSubtree) {
  std::string tooLong(room(), 'f');
  std::string roomy(room() - 8, 'g');  // leaves room for "\abc.url"
  import(profileOf({folder(tooLong, {favorite("x", "http://x/"), folder("y", {favorite("z", "http://z/")})}),
                    folder(roomy, {favorite("abc", "http://abc/"), favorite("abcd", "http://abcd/"),
                                   folder("dd", {favorite("e", "http://e/")}), favorite("ab", "http://ab/")}),
                    favorite("after", "http://after/")}));
  EXPECT_TRUE(holdsExactly(destination, {{roomy + "\\", ""},
                                         {roomy + "\\abc.url", shortcut("http://abc/")},
                                         {roomy + "\\dd\\", ""},
                                         {roomy + "\\ab.url", shortcut("http://ab/")},
                                         {"after.url", shortcut("http://after/")}}));
  // The folder that does not fit counts with each item of its subtree
  // (four), and so do the two favourites too long inside the roomy one.
  EXPECT_EQ(counts.pathTooLong, 6u);
  EXPECT_EQ(counts.folders, 2u);
  EXPECT_EQ(counts.favorites, 3u);
}

TEST_F(LongPathTest, DeepNestingKeepsWhatFits) {
  // Levels of 30 characters with a favourite "f" each, followed by siblings
  // on the top level.
  const int levels = 10;
  Item chain = folder(std::string(30, 'A' + levels - 1), {favorite("f", "http://f/")});
  for (int level = levels - 2; level >= 0; --level) {
    chain = folder(std::string(30, static_cast<char>('A' + level)), {favorite("f", "http://f/"), chain});
  }
  import(profileOf({chain, folder("next", {favorite("g", "http://g/")}), favorite("h", "http://h/")}));

  Expected expected = {{"next\\", ""}, {"next\\g.url", shortcut("http://g/")}, {"h.url", shortcut("http://h/")}};
  std::string relative;
  for (int level = 0; level < levels; ++level) {
    relative += std::string(30, static_cast<char>('A' + level)) + "\\";
    std::string folderPath = destination / relative.substr(0, relative.size() - 1);
    if (folderPath.size() > 258) break;
    expected[relative] = "";
    if ((destination / relative + "f.url").size() <= 259) expected[relative + "f.url"] = shortcut("http://f/");
  }
  EXPECT_LT(expected.size(), 3u + 2 * levels) << "the chain must outgrow the path";
  EXPECT_TRUE(holdsExactly(destination, expected));
}

TEST_F(LongPathTest, FolderMarkThatDoesNotFitSkipsTheFolder) {
  // "CON..." gets '%' behind "CON", which takes the path to 259
  // characters: the folder's own '%' behind the final dot does not fit.
  std::string title = "CON" + std::string(room() - 4, '.');
  import(profileOf({folder(title, {favorite("x", "http://x/")}), favorite("after", "http://after/")}));
  EXPECT_TRUE(holdsExactly(destination, {{"after.url", shortcut("http://after/")}}));
  EXPECT_EQ(counts.pathTooLong, 2u) << "the folder and its favourite";
}

TEST_F(LongPathTest, DestinationThatDoesNotFitGetsNothing) {
  std::string tooLong = destination / std::string(300, 'd');
  import(profileOf({favorite("a", "http://a/"), folder("F", {favorite("b", "http://b/")})}), nullptr, tooLong);
  EXPECT_TRUE(holdsExactly(destination, {}));
}

// A profile of a few thousand favourites in folders up to eight deep, with
// titles that need escaping, device names, duplicates and merged folders.
// What it must give is noted while it is generated.
namespace {

struct Title {
  std::string title;
  std::string component;  // of a favourite's file name, or a folder's name
};

const Title specialTitles[] = {
    {"", "%"},           {"CON", "CON%"},         {"nul.txt", "nul%.txt"}, {"a/b", "a%-b"},      {"x\\y", "x%_y"},
    {"What?", "What%~"}, {"50%", "50%%"},         {"Misc.", "Misc."},      {"<tag>", "%{tag%}"}, {"Same", "Same"},
    {"\"q\"", "%'q%'"},  {"a|b:c*", "a%!b%;c%+"}, {"Lpt3 .x", "Lpt3 %.x"}, {"..", ".."},         {"Trail ", "Trail "},
};

bool endsInDotOrSpace(const std::string& name) { return name.back() == '.' || name.back() == ' '; }

class ProfileGenerator {
public:
  static const int Favorites = 3000;

  std::map<std::string, std::string> urls;  // file -> URL of the last favourite written there
  std::vector<std::string> folders;
  int favorites = 0;
  int deepest = 0;

  // One to 40 items at the top, one to nine in a folder.
  std::vector<Item> children(const std::string& relative, int depth) {
    std::vector<Item> items;
    deepest = std::max(deepest, depth);
    int count = 1 + static_cast<int>(random_() % (depth == 0 ? 40 : 9));
    for (int i = 0; i < count && (i == 0 || favorites < Favorites); ++i) {
      Title name = title();
      if (depth < 8 && random_() % 3 == 0) {
        std::string path = relative + name.component + (endsInDotOrSpace(name.component) ? "%\\" : "\\");
        folders.push_back(path);
        items.push_back(folder(name.title, children(path, depth + 1)));
      } else {
        std::string url = "http://example.com/" + std::to_string(++favorites) + "/";
        if (random_() % 50 == 0) url += std::string(5000, 'l');
        urls[relative + name.component + ".url"] = url;
        items.push_back(favorite(name.title, url));
      }
    }
    return items;
  }

private:
  Title title() {
    if (random_() % 4 == 0) return specialTitles[random_() % (sizeof specialTitles / sizeof specialTitles[0])];
    std::string unique = "Item " + std::to_string(++titles_);
    return Title{unique, unique};
  }

  std::mt19937 random_{20240601};
  int titles_ = 0;
};

}  // namespace

TEST_F(FavoritesFolderWriterTest, GeneratedProfileLandsByteForByte) {
  ProfileGenerator generator;
  std::vector<Item> items;
  while (generator.favorites < ProfileGenerator::Favorites) {
    std::vector<Item> more = generator.children("", 0);
    items.insert(items.end(), more.begin(), more.end());
  }
  ProgressBar bar;
  DWORD records = import(profileOf(items), bar.window());

  Expected expected;
  for (const std::string& path : generator.folders) expected[path] = "";
  for (const auto& file : generator.urls) expected[file.first] = shortcut(file.second);
  EXPECT_GT(generator.urls.size(), 2000u);
  EXPECT_EQ(generator.deepest, 8);
  EXPECT_TRUE(holdsExactly(destination, expected));
  EXPECT_EQ(bar.position(), static_cast<int>(records - UnreadRecords));
}
