#include "aol/organize/FavoritePlaces.h"
#include "aol/organize/FileSource.h"
#include "aol/organize/MemorySource.h"
#include "aol/organize/ProfileCheck.h"
#include "aol/organize/tests/RecordingSink.h"
#include "support/Errors.h"
#include "tests/builder/LargeProfile.h"
#include "tests/builder/OrganizeBuilder.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace builder;
using Events = std::vector<std::string>;

namespace {

class OrganizeFileTest : public ::testing::Test {
protected:
  TempFolder temp;

  static std::string bytesOf(const OrganizeFile& file) { return file.bytes(); }
  static DWORD check(const std::string& bytes, std::string* name = nullptr, DWORD size = 1024) {
    std::string buffer(size + 1, '\x7F');
    organize::MemorySource source(bytes.data(), bytes.size());
    DWORD count = organize::checkProfileFile(source, &buffer[0], size);
    EXPECT_EQ(buffer[size], '\x7F') << "wrote past the screen-name buffer";
    if (name != nullptr && count != 0) *name = buffer.c_str();
    return count;
  }
  static RecordingSink read(const std::string& bytes) {
    RecordingSink sink;
    organize::MemorySource source(bytes.data(), bytes.size());
    organize::readFavoritePlaces(source, sink);
    return sink;
  }
  static RecordingSink read(const OrganizeFile& file) { return read(file.bytes()); }
};

Profile sample() {
  return Profile{"Jo Smith",
                 {favoritePlaces({favorite("A", "http://a.example/"),
                                  folder("F", {favorite("B", "http://b.example/")})}),
                  folder("Other", {})}};
}

Events favoriteCalls(const std::string& title, const std::string& url) {
  return {"beginFavorite", "title " + title, "url " + url, "endFavorite"};
}

}  // namespace

TEST_F(OrganizeFileTest, WorkedExampleGivesTheExactSequence) {
  EXPECT_EQ(read(OrganizeFile(sample())).events,
            (Events{"advance", "advance", "advance", "beginFavorite", "title A", "url http://a.example/",
                    "endFavorite", "advance", "advance", "beginFolder", "title F", "enterFolder", "advance",
                    "beginFavorite", "title B", "url http://b.example/", "endFavorite", "advance", "leaveFolder",
                    "endFolder", "advance"}));
}

TEST_F(OrganizeFileTest, CheckGivesScreenNameAndItemCount) {
  OrganizeFile file(sample());
  std::string name;
  EXPECT_EQ(check(bytesOf(file), &name), file.recordCount());
  EXPECT_EQ(file.recordCount(), 8u);
  EXPECT_EQ(name, "Jo Smith");
}

TEST_F(OrganizeFileTest, MissingFileThrowsCreateFileError) {
  std::string path = temp / "absent";
  try {
    char name[16];
    checkProfileFile(path.c_str(), name, sizeof name);
    FAIL() << "no error";
  } catch (const mirrex::Win32Error& error) {
    EXPECT_EQ(error.functionName, "CreateFile");
    EXPECT_EQ(error.code, DWORD{ERROR_FILE_NOT_FOUND});
  }
  RecordingSink sink;
  EXPECT_THROW(readFavoritePlaces(path.c_str(), sink), mirrex::Win32Error);
}

// The same file read from disk: what the program reads.
TEST_F(OrganizeFileTest, FileOnDiskReadsAsItsBytes) {
  OrganizeFile file(sample());
  file.save(temp / "profile");
  char name[16];
  EXPECT_EQ(checkProfileFile((temp / "profile").c_str(), name, sizeof name), file.recordCount());
  EXPECT_STREQ(name, "Jo Smith");
  RecordingSink sink;
  EXPECT_FALSE(readFavoritePlaces((temp / "profile").c_str(), sink).damaged());
  EXPECT_EQ(sink.events, read(file).events);
}

TEST_F(OrganizeFileTest, LargeFileOnDiskReadsAsItsBytes) {
  // Many windows of the file source, with records across their edges.
  OrganizeFile file(largeProfile(3000));
  file.save(temp / "large");
  RecordingSink sink;
  EXPECT_FALSE(readFavoritePlaces((temp / "large").c_str(), sink).damaged());
  EXPECT_EQ(sink.events, read(file).events);
}

TEST_F(OrganizeFileTest, FileSourceReadsWhatTheFileHolds) {
  const DWORD window = organize::FileSource::WindowSize;
  std::string bytes(3 * window + 100, '\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7 + i / 251);
  temp.write("bytes", bytes);
  organize::FileSource source((temp / "bytes").c_str());
  ASSERT_EQ(source.size(), bytes.size());
  struct Range {
    DWORD offset;
    DWORD count;
  };
  // Inside a window, across an edge, backwards, longer than a window, up to
  // the end, and nothing.
  for (Range range : {Range{10, 20}, Range{window - 3, 10}, Range{5, window}, Range{window + 1, window + 1},
                      Range{static_cast<DWORD>(bytes.size()) - 7, 7}, Range{100, 0}}) {
    std::string got(range.count, '\x55');
    ASSERT_TRUE(source.read(range.offset, &got[0], range.count)) << range.offset << "+" << range.count;
    EXPECT_EQ(got, bytes.substr(range.offset, range.count)) << range.offset << "+" << range.count;
  }
  char past[8];
  EXPECT_FALSE(source.read(static_cast<DWORD>(bytes.size()) - 4, past, sizeof past));
  EXPECT_FALSE(source.read(static_cast<DWORD>(bytes.size()), past, 1));
  EXPECT_FALSE(source.read(0x80000000u, past, 1));
}

TEST_F(OrganizeFileTest, FileSourceSeesAFileCutShortAfterItWasOpened) {
  const DWORD window = organize::FileSource::WindowSize;
  temp.write("bytes", std::string(2 * window, 'x'));
  organize::FileSource source((temp / "bytes").c_str());
  // The AOL client may rewrite the file while it is read: the reader shares
  // writing.
  HANDLE writer = CreateFileA((temp / "bytes").c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE) << GetLastError();
  DWORD written = 0;
  ASSERT_TRUE(WriteFile(writer, std::string(100, 'y').data(), 100, &written, nullptr));
  ASSERT_TRUE(CloseHandle(writer));
  char got[10];
  EXPECT_TRUE(source.read(90, got, sizeof got));
  EXPECT_EQ(std::string(got, sizeof got), std::string(10, 'y'));
  EXPECT_FALSE(source.read(window, got, sizeof got));
}

TEST_F(OrganizeFileTest, WrongOrShortHeaderIsNoProfile) {
  std::string good = OrganizeFile(sample()).bytes();
  EXPECT_EQ(check(good.substr(0, 19)), 0u);
  EXPECT_EQ(check(std::string()), 0u);
  std::string digit = good;
  digit[8] = '1';  // "AOLVM1001": the text goes on past the magic
  EXPECT_EQ(check(digit), 0u);
  std::string lower = good;
  lower[0] = 'a';
  EXPECT_EQ(check(lower), 0u);
}

TEST_F(OrganizeFileTest, IndexMustHoldRecordOne) {
  OrganizeFile eleven(sample());
  eleven.setIndexLength(11);
  EXPECT_EQ(check(bytesOf(eleven)), 0u);
  OrganizeFile twelve(sample());
  twelve.setIndexLength(12);
  EXPECT_EQ(check(bytesOf(twelve)), 1u);  // only record 1's entry is left
  OrganizeFile unsigned_(sample());
  unsigned_.patch(unsigned_.indexOffset(), "RX");
  EXPECT_EQ(check(bytesOf(unsigned_)), 0u);
}

TEST_F(OrganizeFileTest, RootRecordIsChecked) {
  OrganizeFile badSignature(sample());
  badSignature.setSignature(1, "SR");
  EXPECT_EQ(check(bytesOf(badSignature)), 0u);

  OrganizeFile tooShort(sample());
  tooShort.setRecordLength(1, 18);
  EXPECT_EQ(check(bytesOf(tooShort)), 0u);
}

TEST_F(OrganizeFileTest, RootOfNineteenBytesHasAnEmptyScreenName) {
  OrganizeFile empty(Profile{"", sample().topLevel});
  empty.setRecordLength(1, 19);
  std::string name = "unset";
  EXPECT_EQ(check(bytesOf(empty), &name), empty.recordCount());
  EXPECT_EQ(name, "");
}

TEST_F(OrganizeFileTest, RootTitleWithoutNulIsNoProfile) {
  OrganizeFile file(Profile{"Jo", {}});
  file.setRecordLength(1, 20);  // "Jo" fills the title bytes; no NUL follows within the data
  EXPECT_EQ(check(bytesOf(file)), 0u);
}

TEST_F(OrganizeFileTest, ItemCountStopsAtTheFirstZeroEntry) {
  OrganizeFile file(sample());
  file.setIndexEntry(3, 0);
  EXPECT_EQ(check(bytesOf(file)), 2u);
}

TEST_F(OrganizeFileTest, ItemCountStopsAtTheEndOfTheIndex) {
  OrganizeFile file(sample());
  // Every entry is non-zero up to the end of the index data.
  EXPECT_EQ(check(bytesOf(file)), 8u);
  file.setIndexLength(8 + 4 * 5);
  EXPECT_EQ(check(bytesOf(file)), 5u);
}

TEST_F(OrganizeFileTest, LongScreenNamesAreCutAndTerminated) {
  std::string name;
  std::string longest(1023, 'n');
  EXPECT_NE(check(bytesOf(OrganizeFile(Profile{longest, {}})), &name), 0u);
  EXPECT_EQ(name, longest);
  EXPECT_NE(check(bytesOf(OrganizeFile(Profile{longest + "m", {}})), &name), 0u);
  EXPECT_EQ(name, longest);
  EXPECT_NE(check(bytesOf(OrganizeFile(Profile{"abcdef", {}})), &name, 4), 0u);
  EXPECT_EQ(name, "abc");
}

TEST_F(OrganizeFileTest, OnlyFavoritesFoldersAreImported) {
  Profile profile{"Jo",
                  {topFolder("favorite places", 0, {favorite("skipped", "u1")}),
                   topFolder("Anything", FavoritesKind, {favorite("kind", "u2")}),
                   topFolder("Favorite Places", 7, {favorite("title", "u3")}),
                   topFolder("Other", 0, {favorite("skipped too", "u4")})}};
  Events expected = favoriteCalls("kind", "u2");
  Events more = favoriteCalls("title", "u3");
  expected.insert(expected.end(), more.begin(), more.end());
  RecordingSink sink = read(OrganizeFile(profile));
  EXPECT_EQ(sink.calls(), expected);
  // Root, four top-level folders, and two favourites with their URL records.
  EXPECT_EQ(sink.advances(), 1 + 4 + 2 * 2);
}

TEST_F(OrganizeFileTest, ProfileWithoutFavoritesFolderOnlyAdvances) {
  RecordingSink sink = read(OrganizeFile(Profile{"Jo", {folder("Mail", {favorite("x", "y")}), folder("B", {})}}));
  EXPECT_EQ(sink.events, (Events{"advance", "advance", "advance"}));
}

TEST_F(OrganizeFileTest, FavoritesAboveDepthTwoAreNotImported) {
  Profile profile{"Jo", {favorite("top", "http://top/"), favoritePlaces({favorite("in", "http://in/")})}};
  RecordingSink sink = read(OrganizeFile(profile));
  EXPECT_EQ(sink.calls(), favoriteCalls("in", "http://in/"));
  EXPECT_EQ(sink.advances(), 1 + 1 + 1 + 2);
}

TEST_F(OrganizeFileTest, ItemWithUrlAndChildrenIsFavoriteThenFolder) {
  Item both = folder("Both", {favorite("Child", "c")});
  both.hasUrl = true;
  both.url = "http://both/";
  Events expected = favoriteCalls("Both", "http://both/");
  Events rest = {"beginFolder", "title Both", "enterFolder"};
  expected.insert(expected.end(), rest.begin(), rest.end());
  rest = favoriteCalls("Child", "c");
  expected.insert(expected.end(), rest.begin(), rest.end());
  expected.push_back("leaveFolder");
  expected.push_back("endFolder");
  EXPECT_EQ(read(OrganizeFile(Profile{"Jo", {favoritePlaces({both})}})).calls(), expected);
}

TEST_F(OrganizeFileTest, ChainsAreReadInSiblingOrder) {
  OrganizeFile file(Profile{"Jo", {favoritePlaces({favorite("1", "a"), favorite("2", "b"), favorite("3", "c")})}});
  // Relink the chain as 3, 1, 2 without moving any record.
  std::uint32_t one = file.numberOf({"Favorite Places", "1"});
  std::uint32_t two = file.numberOf({"Favorite Places", "2"});
  std::uint32_t three = file.numberOf({"Favorite Places", "3"});
  file.setTrailer(file.numberOf({"Favorite Places"}), Trailer::FirstChild, three);
  file.setTrailer(three, Trailer::NextSibling, one);
  file.setTrailer(one, Trailer::NextSibling, two);
  file.setTrailer(two, Trailer::NextSibling, 0);
  Events expected = favoriteCalls("3", "c");
  for (const auto& pair : {std::make_pair("1", "a"), std::make_pair("2", "b")}) {
    Events more = favoriteCalls(pair.first, pair.second);
    expected.insert(expected.end(), more.begin(), more.end());
  }
  EXPECT_EQ(read(file).calls(), expected);
}

TEST_F(OrganizeFileTest, UnreadableUrlRecordSkipsTheFavoriteButNotItsStep) {
  OrganizeFile file(Profile{"Jo", {favoritePlaces({favorite("far", "u"), favorite("near", "v")})}});
  file.setIndexEntry(file.urlRecordOf({"Favorite Places", "far"}), static_cast<std::uint32_t>(file.bytes().size()));
  RecordingSink sink = read(file);
  EXPECT_EQ(sink.calls(), favoriteCalls("near", "v"));
  EXPECT_EQ(sink.advances(), 1 + 1 + 2 + 2);
}

TEST_F(OrganizeFileTest, UrlRecordIsTakenUpToItsNul) {
  OrganizeFile file(Profile{"Jo", {favoritePlaces({favorite("empty", ""), favorite("tail", "x")})}});
  // Bytes after the URL's NUL are not part of it; a URL without NUL ends
  // with its data.
  std::uint32_t tail = file.urlRecordOf({"Favorite Places", "tail"});
  std::uint32_t withJunk = file.appendRecord(std::string("http://t/\0junk", 14));
  file.setIndexEntry(tail, withJunk);
  Events expected = favoriteCalls("empty", "");
  Events more = favoriteCalls("tail", "http://t/");
  expected.insert(expected.end(), more.begin(), more.end());
  EXPECT_EQ(read(file).calls(), expected);

  std::uint32_t unterminated = file.appendRecord("http://open");
  file.setIndexEntry(tail, unterminated);
  EXPECT_EQ(read(file).calls().at(6), "url http://open");
}

TEST_F(OrganizeFileTest, TitleWithoutNulEndsWithItsData) {
  OrganizeFile file(Profile{"Jo", {favoritePlaces({folder("Z", {})})}});
  // The title runs on through a trailer without a zero byte: its URL,
  // sibling and child numbers all lie outside the index.
  std::string data = std::string(18, '\0') + "ABC" + "AAAABBBBCCCCCCCCDDDD";
  file.setIndexEntry(file.numberOf({"Favorite Places", "Z"}), file.appendRecord(data));
  EXPECT_EQ(read(file).calls(), (Events{"beginFolder", "title ABCAAAABBBBCCCCCCCCDDDD", "enterFolder", "leaveFolder",
                                        "endFolder"}));
}

TEST_F(OrganizeFileTest, BrokenItemEndsItsChain) {
  for (int damage = 0; damage < 3; ++damage) {
    OrganizeFile file(Profile{"Jo", {favoritePlaces({favorite("1", "a"), favorite("2", "b"), favorite("3", "c")})}});
    std::uint32_t two = file.numberOf({"Favorite Places", "2"});
    if (damage == 0) file.setSignature(two, "rs");
    if (damage == 1) file.setRecordLength(two, 20);
    if (damage == 2) file.setIndexEntry(two, 0x7FFFFFF0);
    RecordingSink sink = read(file);
    EXPECT_EQ(sink.calls(), favoriteCalls("1", "a")) << "damage " << damage;
    EXPECT_EQ(sink.advances(), 1 + 1 + 2) << "damage " << damage;
  }
}

TEST_F(OrganizeFileTest, CyclesEnd) {
  OrganizeFile file(Profile{"Jo", {favoritePlaces({folder("F", {favorite("a", "u"), favorite("b", "v")})})}});
  std::uint32_t places = file.numberOf({"Favorite Places"});
  std::uint32_t f = file.numberOf({"Favorite Places", "F"});
  std::uint32_t a = file.numberOf({"Favorite Places", "F", "a"});
  std::uint32_t b = file.numberOf({"Favorite Places", "F", "b"});

  OrganizeFile siblingLoop = file;
  siblingLoop.setTrailer(b, Trailer::NextSibling, a);
  EXPECT_EQ(read(siblingLoop).advances(), 1 + 1 + 1 + 2 + 2);

  OrganizeFile selfLoop = file;
  selfLoop.setTrailer(a, Trailer::NextSibling, a);
  EXPECT_EQ(read(selfLoop).advances(), 1 + 1 + 1 + 2);

  OrganizeFile childToAncestor = file;
  childToAncestor.setTrailer(a, Trailer::FirstChild, places);
  childToAncestor.setTrailer(b, Trailer::FirstChild, f);
  RecordingSink sink = read(childToAncestor);
  EXPECT_EQ(sink.advances(), 1 + 1 + 1 + 2 + 2);
  // a and b now open folders whose only child was walked already.
  EXPECT_EQ(std::count(sink.events.begin(), sink.events.end(), "enterFolder"), 3);
  EXPECT_EQ(std::count(sink.events.begin(), sink.events.end(), "leaveFolder"), 3);

  OrganizeFile rootLoop = file;
  rootLoop.setTrailer(1, Trailer::NextSibling, 1);
  EXPECT_EQ(read(rootLoop).advances(), 1 + 1 + 1 + 2 + 2);
}

TEST_F(OrganizeFileTest, RecordNumbersOutsideTheIndexAreAbsent) {
  OrganizeFile file(sample());
  file.setTrailer(file.numberOf({"Favorite Places", "F"}), Trailer::FirstChild, 9);
  file.setTrailer(file.numberOf({"Favorite Places", "A"}), Trailer::UrlRecord, 0xFFFFFFFF);
  RecordingSink sink = read(file);
  EXPECT_EQ(sink.calls(), (Events{"beginFolder", "title F", "enterFolder", "leaveFolder", "endFolder"}));
}

TEST_F(OrganizeFileTest, IndexShorterThanRecordOneReportsNothing) {
  OrganizeFile file(sample());
  file.setIndexLength(11);
  EXPECT_TRUE(read(file).events.empty());
  file.setIndexLength(0);
  EXPECT_TRUE(read(file).events.empty());
}

TEST_F(OrganizeFileTest, LengthsPastTheEndAreShortReads) {
  OrganizeFile file(sample());
  file.setIndexLength(0xFFFFFFF0);
  EXPECT_EQ(check(bytesOf(file)), 0u);
  EXPECT_TRUE(read(file).events.empty());

  OrganizeFile longRoot(sample());
  longRoot.setRecordLength(1, static_cast<std::uint32_t>(longRoot.bytes().size()));
  EXPECT_EQ(check(bytesOf(longRoot)), 0u);

  OrganizeFile cut(sample());
  cut.truncate(cut.recordOffset(cut.numberOf({"Favorite Places", "F"})) + 10);
  RecordingSink sink = read(cut);
  EXPECT_EQ(sink.calls(), favoriteCalls("A", "http://a.example/"));
}

TEST_F(OrganizeFileTest, OffsetsOfTwoGigabytesAndMoreAreAbsent) {
  for (std::uint32_t offset : {0x80000000u, 0xFFFFFFF8u, 0xFFFFFFFFu}) {
    OrganizeFile file(sample());
    file.put32(16, offset);
    EXPECT_EQ(check(bytesOf(file)), 0u) << offset;
    EXPECT_TRUE(read(file).events.empty()) << offset;
    OrganizeFile root(sample());
    root.setIndexEntry(1, offset);
    EXPECT_EQ(check(bytesOf(root)), 0u) << offset;
    EXPECT_TRUE(read(root).events.empty()) << offset;
  }
}
