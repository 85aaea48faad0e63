#include "bookmarks/BookmarksFileWriter.h"

#include "bookmarks/tests/BookmarksProperties.h"
#include "bookmarks/tests/MemoryStream.h"
#include "aol/organize/FavoritePlaces.h"
#include "aol/organize/MemorySource.h"
#include "tests/builder/OrganizeBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

const LONGLONG Date = 1700000000;

const char* const Header =
    "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
    "<!-- AOL Favorite Places, written by Placemove for a browser to import. -->\n"
    "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
    "<TITLE>Bookmarks</TITLE>\n"
    "<H1>Bookmarks</H1>\n"
    "<DL><p>\n";

// Drives a writer with the calls the reader of organize files makes.
struct Export {
  MemoryStream out;
  BookmarksFileWriter writer;

  explicit Export(const CodePage& codePage = CodePage::standard()) : writer(out, codePage, Date) {
    writer.openTopFolder("AOL Favorite Places", CodePage::standard());
  }
  void favorite(const std::string& title, const std::string& url) {
    writer.beginFavorite();
    writer.setTitle(title.c_str());
    writer.setUrl(url.c_str());
    writer.endFavorite();
  }
  void folder(const std::string& title) {
    writer.beginFolder();
    writer.setTitle(title.c_str());
    writer.enterFolder();
  }
  void leave() {
    writer.leaveFolder();
    writer.endFolder();
  }
  std::string finished() {
    writer.finish();
    return out.bytes;
  }
  // The file's lines between the top folder's list and its end.
  std::string body() {
    std::string file = finished();
    std::string start = std::string(Header) + "    <DT><H3 ADD_DATE=\"1700000000\">AOL Favorite Places</H3>\n    <DL><p>\n";
    std::string end = "    </DL><p>\n</DL><p>\n";
    if (file.compare(0, start.size(), start) != 0 || file.size() < start.size() + end.size() ||
        file.compare(file.size() - end.size(), end.size(), end) != 0) {
      ADD_FAILURE() << "not one top folder:\n" << file;
      return file;
    }
    return file.substr(start.size(), file.size() - start.size() - end.size());
  }
};

std::string link(const std::string& href, const std::string& title, int level = 2) {
  return std::string(4 * level, ' ') + "<DT><A HREF=\"" + href + "\" ADD_DATE=\"1700000000\">" + title + "</A>\n";
}

TEST(BookmarksFileWriterTest, SmallTreeInCallOrderWithDuplicatesAndEmptyTitles) {
  Export e;
  e.favorite("First", "http://one.example/");
  e.folder("News");
  e.favorite("Daily", "http://daily.example/");
  e.favorite("Daily", "http://daily.example/");
  e.folder("Deep");
  e.favorite("", "http://empty.example/");
  e.leave();
  e.leave();
  e.folder("News");
  e.leave();
  e.folder("");
  e.leave();
  e.favorite("Last", "http://last.example/");
  EXPECT_EQ(e.finished(), std::string(Header) +
                              "    <DT><H3 ADD_DATE=\"1700000000\">AOL Favorite Places</H3>\n"
                              "    <DL><p>\n"
                              "        <DT><A HREF=\"http://one.example/\" ADD_DATE=\"1700000000\">First</A>\n"
                              "        <DT><H3 ADD_DATE=\"1700000000\">News</H3>\n"
                              "        <DL><p>\n"
                              "            <DT><A HREF=\"http://daily.example/\" ADD_DATE=\"1700000000\">Daily</A>\n"
                              "            <DT><A HREF=\"http://daily.example/\" ADD_DATE=\"1700000000\">Daily</A>\n"
                              "            <DT><H3 ADD_DATE=\"1700000000\">Deep</H3>\n"
                              "            <DL><p>\n"
                              "                <DT><A HREF=\"http://empty.example/\" ADD_DATE=\"1700000000\"></A>\n"
                              "            </DL><p>\n"
                              "        </DL><p>\n"
                              "        <DT><H3 ADD_DATE=\"1700000000\">News</H3>\n"
                              "        <DL><p>\n"
                              "        </DL><p>\n"
                              "        <DT><H3 ADD_DATE=\"1700000000\"></H3>\n"
                              "        <DL><p>\n"
                              "        </DL><p>\n"
                              "        <DT><A HREF=\"http://last.example/\" ADD_DATE=\"1700000000\">Last</A>\n"
                              "    </DL><p>\n"
                              "</DL><p>\n");
  EXPECT_EQ(e.writer.counts().folders, 4u);
  EXPECT_EQ(e.writer.counts().favorites, 5u);
  // A line reaches the stream in one write, not a byte at a time.
  EXPECT_EQ(e.out.writes, static_cast<int>(std::count(e.out.bytes.begin(), e.out.bytes.end(), '\n')));
}

TEST(BookmarksFileWriterTest, TitlesAreTrueTitlesWithMarkupAsEntities) {
  Export e;
  e.favorite("a/b: c? 100% & <b>\"q\"</b> 'x'", "http://x.example/?a=1&b=\"<>\"&c=%41");
  e.folder("R&D <\"lab\">");
  e.leave();
  EXPECT_EQ(e.body(), link("http://x.example/?a=1&amp;b=&quot;&lt;&gt;&quot;&amp;c=%41",
                           "a/b: c? 100% &amp; &lt;b&gt;&quot;q&quot;&lt;/b&gt; 'x'") +
                          "        <DT><H3 ADD_DATE=\"1700000000\">R&amp;D &lt;&quot;lab&quot;&gt;</H3>\n"
                          "        <DL><p>\n"
                          "        </DL><p>\n");
}

// Every browser shows a title the same: a run of controls is one space.
TEST(BookmarksFileWriterTest, ControlCharactersAreASpaceInTitlesAndPercentInUrls) {
  Export e;
  e.favorite("Line1\r\nLine2 a\tb\x01\x1f\x7f" "c \n", "http://x.example/\n\r\t\x01\x1f\x7f/");
  e.folder("\x01line\nbreak\r");
  e.leave();
  EXPECT_EQ(e.body(), link("http://x.example/%0A%0D%09%01%1F%7F/", "Line1 Line2 a b c  ") +
                          "        <DT><H3 ADD_DATE=\"1700000000\"> line break </H3>\n"
                          "        <DL><p>\n"
                          "        </DL><p>\n");
}

// Every byte in a title and a URL, in three code pages.
TEST(BookmarksFileWriterTest, NoByteOfATextChangesTheFileStructure) {
  const char* const pages[] = {"windows-1252", "windows-1251", "utf-8"};
  for (const char* page : pages) {
    Export e(*CodePage::find(page));
    for (int byte = 1; byte <= 0xFF; ++byte) {
      std::string text = "<" + std::string(1, static_cast<char>(byte)) + ">";
      e.favorite(text, "http://x/" + text);
      e.folder(text);
      e.leave();
    }
    std::string file = e.finished();
    EXPECT_EQ(bookmarksFault(file), "") << page;
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 6 + 2 + 4 * 0xFF + 2) << page;
  }
}

// The check of the test above finds each kind of damage.
TEST(BookmarksFileWriterTest, BrokenFilesAreFound) {
  Export e;
  e.favorite("T", "http://u/");
  std::string good = e.finished();
  ASSERT_EQ(bookmarksFault(good), "");
  auto changed = [&good](const std::string& from, const std::string& to) {
    std::string file = good;
    file.replace(file.find(from), from.size(), to);
    return file;
  };
  const std::string broken[] = {
      changed(">T<", ">T\nx<"), changed(">T<", ">T<b><"),       changed(">T<", ">&T<"),
      changed("u/", "u\"/"),     changed("u/", "u\t"),          changed(">T<", ">\xE9<"),
      changed("    </DL><p>\n", ""), changed("        <DT><A", "       <DT><A"),
      changed("\n    <DL><p>", ""), changed("\"1700000000\">T", "\"17x\">T"),
      changed("http://u/", "\xE3\x80\x80javascript:x"), changed("http://u/", "&#160;vbscript:x"),
      changed("http://u/", "&amp;data:x"), changed("http://u/", "java&#9;script:x"),
      good + "<DT>",
  };
  for (const std::string& file : broken) EXPECT_NE(bookmarksFault(file), "") << file;
}

TEST(BookmarksFileWriterTest, TextsAreConvertedFromTheirCodePage) {
  MemoryStream out;
  BookmarksFileWriter writer(out, *CodePage::find("1251"), Date);
  writer.openTopFolder("Caf\xC3\xA9", *CodePage::find("utf-8"));
  writer.beginFavorite();
  writer.setTitle("\xCF\xF0\xE8\xE2\xE5\xF2 \x98");
  writer.setUrl("http://\xEF\xF0\xE8\xEC\xE5\xF0.example/");
  writer.endFavorite();
  writer.finish();
  EXPECT_EQ(out.bytes, std::string(Header) +
                           "    <DT><H3 ADD_DATE=\"1700000000\">Caf\xC3\xA9</H3>\n"
                           "    <DL><p>\n" +
                           link("http://\xD0\xBF\xD1\x80\xD0\xB8\xD0\xBC\xD0\xB5\xD1\x80.example/",
                                "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 \xEF\xBF\xBD") +
                           "    </DL><p>\n</DL><p>\n");
}

TEST(BookmarksFileWriterTest, Windows1252TitlesByDefault) {
  Export e;
  e.favorite("\x80\x81\x8D\x9F\xE9", "http://x/\x93q\x94");
  EXPECT_EQ(e.body(), link("http://x/\xE2\x80\x9Cq\xE2\x80\x9D", "\xE2\x82\xAC\xC2\x81\xC2\x8D\xC5\xB8\xC3\xA9"));
}

// Whatever stands before the scheme, in whichever code page: a no-break
// space of Windows-1252, and U+00A0, U+1680, U+2000, U+200B, U+2028, U+205F,
// U+3000 and U+FEFF in UTF-8.
TEST(BookmarksFileWriterTest, ScriptUrlsAreCountedNotWrittenInEveryCodePage) {
  const char* const scripts[] = {
      "javascript:alert(1)", "  JavaScript:x", "java\tscript:x", "\x01" "data:text/html,x", "vbscript:x",
      "\xA0javascript:alert(1)", "\xA0vbscript:x", "\xA0" "data:x", "\xC2\xA0javascript:x", "\xE1\x9A\x80javascript:x",
      "\xE2\x80\x80javascript:x", "\xE2\x80\x8Bjavascript:x", "\xE2\x80\xA8javascript:x", "\xE2\x81\x9Fjavascript:x",
      "\xE3\x80\x80javascript:x", "\xEF\xBB\xBFjavascript:x", "\xEF\xBB\xBF\r\n" "Data:x",
  };
  for (const char* const* name = CodePage::names(); *name != nullptr; ++name) {
    Export e(*CodePage::find(*name));
    for (const char* url : scripts) e.favorite("Script", url);
    e.favorite("Kept", "http://kept.example/");
    EXPECT_EQ(e.body(), link("http://kept.example/", "Kept")) << *name;
    EXPECT_EQ(e.writer.counts().scriptUrls, sizeof scripts / sizeof scripts[0]) << *name;
    EXPECT_EQ(e.writer.counts().favorites, 1u) << *name;
  }
}

TEST(BookmarksFileWriterTest, AolLinksAreKeptCountedAndListed) {
  MemoryStream list;
  Export e;
  e.writer.keepAolLinksIn(&list);
  e.favorite("Recipes & more", "aol://1722:recipes");
  e.favorite("Web", "http://www.aol.com/");
  e.favorite("Tab\there \x93q\x94", " AOL://4344:1\n");
  EXPECT_EQ(e.body(), link("aol://1722:recipes", "Recipes &amp; more") + link("http://www.aol.com/", "Web") +
                          link(" AOL://4344:1%0A", "Tab here \xE2\x80\x9Cq\xE2\x80\x9D"));
  EXPECT_EQ(list.bytes, "aol://1722:recipes\tRecipes & more\n AOL://4344:1%0A\tTab here \xE2\x80\x9Cq\xE2\x80\x9D\n");
  EXPECT_EQ(e.writer.counts().aolOnlyLinks, 2u);
  EXPECT_EQ(e.writer.counts().favorites, 3u);
}

TEST(BookmarksFileWriterTest, LongTitlesStayWhole) {
  Export e;
  std::string title300(300, 'T');
  std::string marks(2000, '&');
  std::string entities;
  for (int i = 0; i < 2000; ++i) entities += "&amp;";
  e.favorite("short", "http://a/");
  e.favorite(title300, "http://b/");
  e.folder(marks);
  e.leave();
  e.favorite("x", "http://c/" + marks);
  EXPECT_EQ(e.body(), link("http://a/", "short") + link("http://b/", title300) + "        <DT><H3 ADD_DATE=\"1700000000\">" +
                          entities + "</H3>\n        <DL><p>\n        </DL><p>\n" + link("http://c/" + entities, "x"));
}

// The title of an item never carries over to the next one.
TEST(BookmarksFileWriterTest, AnItemWithoutTitleIsEmpty) {
  Export e;
  e.favorite("Before", "http://a/");
  e.writer.beginFavorite();
  e.writer.setUrl("http://b/");
  e.writer.endFavorite();
  e.writer.beginFolder();
  e.writer.enterFolder();
  e.leave();
  EXPECT_EQ(e.body(), link("http://a/", "Before") + link("http://b/", "") +
                          "        <DT><H3 ADD_DATE=\"1700000000\"></H3>\n        <DL><p>\n        </DL><p>\n");
}

TEST(BookmarksFileWriterTest, FoldersLeftOpenByAStopInTheMiddleOfAProfileAreClosed) {
  Export e;
  DWORD before = e.writer.depth();
  EXPECT_EQ(before, 1u);
  e.folder("Profile");
  e.folder("A");
  e.folder("B");
  e.writer.beginFavorite();
  e.writer.setTitle("Half");
  EXPECT_EQ(e.writer.depth(), 4u);
  // The reader threw here.
  e.writer.closeFolders(before);
  e.writer.setUrl("http://half/");
  e.favorite("Next", "http://next/");
  // Leaving more folders than were entered never closes the top folder.
  e.leave();
  e.leave();
  // finish() closes what is left open.
  e.folder("C");
  e.folder("D");
  EXPECT_EQ(e.body(),
            "        <DT><H3 ADD_DATE=\"1700000000\">Profile</H3>\n"
            "        <DL><p>\n"
            "            <DT><H3 ADD_DATE=\"1700000000\">A</H3>\n"
            "            <DL><p>\n"
            "                <DT><H3 ADD_DATE=\"1700000000\">B</H3>\n"
            "                <DL><p>\n"
            "                </DL><p>\n"
            "            </DL><p>\n"
            "        </DL><p>\n" +
                link("http://next/", "Next") +
                "        <DT><H3 ADD_DATE=\"1700000000\">C</H3>\n"
                "        <DL><p>\n"
                "            <DT><H3 ADD_DATE=\"1700000000\">D</H3>\n"
                "            <DL><p>\n"
                "            </DL><p>\n"
                "        </DL><p>\n");
  EXPECT_EQ(e.writer.depth(), 0u);
}

// The deepest nesting of lists in a file.
int listDepth(const std::string& file) {
  int depth = 0;
  int deepest = 0;
  for (std::size_t at = 0; (at = file.find("DL><p>", at)) != std::string::npos; at += 6) {
    depth += file[at - 1] == '/' ? -1 : 1;
    deepest = std::max(deepest, depth);
  }
  return deepest;
}

TEST(BookmarksFileWriterTest, FoldersTooDeepForBrowsersAreFlattenedKeepingTheirFavorites) {
  Export e;
  const int nested = 100;
  for (int level = 0; level < nested; ++level) {
    e.folder("Level " + std::to_string(level));
    e.favorite("At " + std::to_string(level), "http://deep.example/" + std::to_string(level));
  }
  EXPECT_EQ(e.writer.depth(), static_cast<DWORD>(nested) + 1);
  for (int level = 0; level < nested; ++level) e.leave();
  EXPECT_EQ(e.writer.depth(), 1u);
  e.favorite("Back on top", "http://top.example/");
  std::string file = e.finished();

  // The document's own list and the top folder's come on top of the folders.
  EXPECT_EQ(listDepth(file), static_cast<int>(MaxFolderDepth) + 1);
  EXPECT_EQ(e.writer.counts().folders, MaxFolderDepth - 1);
  EXPECT_EQ(e.writer.counts().flattenedFolders, nested - (MaxFolderDepth - 1));
  EXPECT_EQ(e.writer.counts().favorites, static_cast<DWORD>(nested) + 1);
  for (int level = 0; level < nested; ++level) {
    EXPECT_NE(file.find(">At " + std::to_string(level) + "</A>"), std::string::npos) << level;
  }
  EXPECT_NE(file.find(link("http://top.example/", "Back on top")), std::string::npos);
  EXPECT_EQ(file.find(">Level " + std::to_string(MaxFolderDepth - 1) + "</H3>"), std::string::npos);
  EXPECT_EQ(bookmarksFault(file), "");
}

TEST(BookmarksFileWriterTest, AStopBelowFlattenedFoldersClosesThemToo) {
  Export e;
  DWORD before = e.writer.depth();
  for (DWORD level = 0; level < MaxFolderDepth + 5; ++level) e.folder("Deep");
  e.writer.closeFolders(before);
  EXPECT_EQ(e.writer.depth(), before);
  e.favorite("After", "http://after.example/");
  EXPECT_NE(e.finished().find(link("http://after.example/", "After")), std::string::npos);
}

TEST(BookmarksFileWriterTest, FinishWithoutTopFolderIsAnEmptyFile) {
  MemoryStream out;
  BookmarksFileWriter writer(out, CodePage::standard(), -1);
  EXPECT_EQ(out.bytes, "");
  writer.finish();
  EXPECT_EQ(out.bytes, std::string(Header) + "</DL><p>\n");
}

// The calls of the organize-file reader make the same tree.
TEST(BookmarksFileWriterTest, ProfileReadIntoTheWriter) {
  using builder::favorite;
  using builder::folder;
  builder::OrganizeFile file(builder::Profile{
      "Screen",
      {builder::favoritePlaces({favorite("a/b: c?", "http://a/"), folder("Sub", {favorite("x", "aol://1:x")}),
                                 folder("Sub", {favorite("y", "http://y/")}), favorite("Skip", "javascript:void(0)")})}});
  organize::MemorySource source(file.bytes().data(), file.bytes().size());
  Export e;
  e.folder("Screen");
  organize::readFavoritePlaces(source, e.writer);
  e.leave();
  EXPECT_EQ(e.body(), "        <DT><H3 ADD_DATE=\"1700000000\">Screen</H3>\n"
                      "        <DL><p>\n" +
                          link("http://a/", "a/b: c?", 3) +
                          "            <DT><H3 ADD_DATE=\"1700000000\">Sub</H3>\n"
                          "            <DL><p>\n" +
                          link("aol://1:x", "x", 4) +
                          "            </DL><p>\n"
                          "            <DT><H3 ADD_DATE=\"1700000000\">Sub</H3>\n"
                          "            <DL><p>\n" +
                          link("http://y/", "y", 4) +
                          "            </DL><p>\n"
                          "        </DL><p>\n");
  EXPECT_EQ(e.writer.counts().scriptUrls, 1u);
  EXPECT_EQ(e.writer.counts().aolOnlyLinks, 1u);
}

}  // namespace
