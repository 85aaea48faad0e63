// Organize files at the reader's bounds: nesting, chain length, cycles,
// lengths and offsets near the top of 32 bits, and a 4 GiB file. Each read
// must end with a well-formed event sequence after a bounded amount of work
// (records visited, bytes read), never judged by the clock; the memory
// these reads hold is checked by OrganizeMemoryTest in the native build.
#include "aol/organize/FavoritePlaces.h"
#include "aol/organize/MemorySource.h"
#include "aol/organize/ProfileCheck.h"
#include "aol/organize/tests/GrammarSink.h"
#include "aol/organize/tests/HostileFiles.h"
#include "tests/builder/OrganizeBuilder.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>

using namespace builder;
using namespace hostile;

namespace {

const std::uint32_t MiB = 1024 * 1024;
const ULONGLONG FourGiB = 4ull * 1024 * MiB;

struct Walked {
  std::string fault;
  unsigned long long advances;
  unsigned long long favorites;
  unsigned long long folders;
  unsigned long deepest;
};

class OrganizeBoundsTest : public ::testing::Test {
protected:
  TempFolder temp;

  // A walk of the file at `path`, or of bytes in memory.
  static Walked walkFile(const std::string& path) {
    return walk([&path](GrammarSink& sink) { readFavoritePlaces(path.c_str(), sink); });
  }
  static Walked walkBytes(const std::string& bytes) {
    organize::MemorySource source(bytes.data(), bytes.size());
    return walkSource(source);
  }
  static Walked walkSource(organize::ByteSource& source) {
    return walk([&source](GrammarSink& sink) { organize::readFavoritePlaces(source, sink); });
  }

  static DWORD checkFile(const std::string& path) {
    char name[1024];
    return checkProfileFile(path.c_str(), name, sizeof name);
  }
  static DWORD check(const std::string& bytes) {
    char name[1024];
    organize::MemorySource source(bytes.data(), bytes.size());
    return organize::checkProfileFile(source, name, sizeof name);
  }

private:
  static Walked walk(const std::function<void(GrammarSink&)>& read) {
    GrammarSink sink;
    read(sink);
    return Walked{sink.fault(), sink.advances(), sink.favorites(), sink.folders(), sink.deepest()};
  }
};

// A source of `size` bytes, `bytes` at its start and zeros after them,
// that counts the bytes the reader asks of it: a file of gigabytes that
// needs no disk.
class CountingSource : public organize::ByteSource {
public:
  CountingSource(const std::string& bytes, ULONGLONG size) : bytes_(bytes), size_(size) {}

  ULONGLONG size() const override { return size_; }
  bool read(DWORD offset, void* buffer, DWORD count) override {
    if (offset >= 0x80000000u || offset + static_cast<ULONGLONG>(count) > size_) return false;
    bytesRead_ += count;
    BYTE* out = static_cast<BYTE*>(buffer);
    ULONGLONG stored = offset < bytes_.size() ? std::min<ULONGLONG>(count, bytes_.size() - offset) : 0;
    std::memcpy(out, bytes_.data() + offset, stored);
    std::memset(out + stored, 0, count - stored);
    return true;
  }
  ULONGLONG bytesRead() const { return bytesRead_; }

private:
  const std::string& bytes_;
  ULONGLONG size_;
  ULONGLONG bytesRead_ = 0;
};

}  // namespace

TEST_F(OrganizeBoundsTest, NestingStopsAt1024Levels) {
  Walked walked = walkBytes(deepNesting(100000));
  EXPECT_EQ(walked.fault, "");
  // Items at depths 2 to 1024 open folders; nothing deeper is read.
  EXPECT_EQ(walked.deepest, 1023u);
  EXPECT_EQ(walked.folders, 1023u);
  EXPECT_EQ(walked.favorites, 0u);
  EXPECT_EQ(walked.advances, 2u + 1023u);
}

TEST_F(OrganizeBoundsTest, NestingJustWithinTheLimitIsWalkedWhole) {
  Walked walked = walkBytes(deepNesting(1022));
  EXPECT_EQ(walked.fault, "");
  EXPECT_EQ(walked.deepest, 1022u);
  EXPECT_EQ(walked.favorites, 1u);
}

TEST_F(OrganizeBoundsTest, MillionSiblingsAreWalkedOnceEach) {
  std::string bytes = siblingChain(1000000);
  EXPECT_EQ(check(bytes), 1000002u);
  Walked walked = walkBytes(bytes);
  EXPECT_EQ(walked.fault, "");
  EXPECT_EQ(walked.advances, 2u + 1000000u);
}

TEST_F(OrganizeBoundsTest, CyclesOfEveryKindEnd) {
  OrganizeFile tree(Profile{"Jo", {favoritePlaces({folder("F", {favorite("a", "u"), folder("G", {favorite("b", "v")})}),
                                                   favorite("c", "w")}),
                                   folder("Other", {})}});
  std::uint32_t places = tree.numberOf({"Favorite Places"});
  std::uint32_t f = tree.numberOf({"Favorite Places", "F"});
  std::uint32_t a = tree.numberOf({"Favorite Places", "F", "a"});
  std::uint32_t g = tree.numberOf({"Favorite Places", "F", "G"});
  std::uint32_t b = tree.numberOf({"Favorite Places", "F", "G", "b"});
  std::uint32_t c = tree.numberOf({"Favorite Places", "c"});
  struct Link {
    const char* kind;
    std::uint32_t record;
    Trailer field;
    std::uint32_t target;
  };
  const Link links[] = {
      {"sibling to itself", a, Trailer::NextSibling, a},
      {"sibling to an earlier sibling", c, Trailer::NextSibling, f},
      {"sibling to the parent", g, Trailer::NextSibling, f},
      {"sibling to the root", b, Trailer::NextSibling, 1},
      {"child to itself", g, Trailer::FirstChild, g},
      {"child to the parent", b, Trailer::FirstChild, g},
      {"child to the favourites folder", b, Trailer::FirstChild, places},
      {"child to the root", a, Trailer::FirstChild, 1},
      {"favourites folder to itself", places, Trailer::FirstChild, places},
      {"root to itself as child", 1, Trailer::FirstChild, 1},
      {"root to itself as sibling", 1, Trailer::NextSibling, 1},
      {"URL record to the item itself", a, Trailer::UrlRecord, a},
      {"URL record to the root", b, Trailer::UrlRecord, 1},
      {"URL record to the parent", b, Trailer::UrlRecord, g},
  };
  for (const Link& link : links) {
    OrganizeFile file = tree;
    file.setTrailer(link.record, link.field, link.target);
    Walked walked = walkBytes(file.bytes());
    EXPECT_EQ(walked.fault, "") << link.kind;
    // Each record number is walked once: one step for it and one for a URL.
    EXPECT_LE(walked.advances, 2u * file.recordCount()) << link.kind;
  }

  OrganizeFile mutual = tree;  // F and G each the other's only child
  mutual.setTrailer(g, Trailer::FirstChild, f);
  Walked walked = walkBytes(mutual.bytes());
  EXPECT_EQ(walked.fault, "");
  EXPECT_EQ(walked.deepest, 2u);
}

TEST_F(OrganizeBoundsTest, LongLoopsAndAliasesEnd) {
  // A sibling chain of 100,000 whose last item leads back to its first.
  std::string loop = siblingChain(100000);
  std::string last = item("s", 0, 3, 0);
  loop.replace(loop.size() - last.size(), last.size(), last);
  Walked walked = walkBytes(loop);
  EXPECT_EQ(walked.fault, "");
  EXPECT_EQ(walked.advances, 2u + 100000u);

  // 100,000 index entries that all name one item, whose sibling is the
  // next number: each number is walked once however the entries alias.
  IndexedFile aliases = withFavoritesFolder(100002);
  std::uint32_t offset = aliases.add(3, item("alias", 0, 4, 0));
  for (std::uint32_t number = 4; number <= 100002; ++number) aliases.setEntry(number, offset);
  walked = walkBytes(aliases.bytes());
  EXPECT_EQ(walked.fault, "");
  EXPECT_EQ(walked.advances, 2u + 2u);
}

TEST_F(OrganizeBoundsTest, LengthsNearTheTopOf32Bits) {
  OrganizeFile tree(Profile{"Jo", {favoritePlaces({favorite("a", "http://a/"), folder("F", {favorite("b", "u")})})}});
  std::uint32_t a = tree.numberOf({"Favorite Places", "a"});
  std::uint32_t aUrl = tree.urlRecordOf({"Favorite Places", "a"});
  for (std::uint32_t length : {0xFFFFFFFFu, 0xFFFFFFF8u, 0xFFFFFFF7u, 0x80000000u, 0x7FFFFFFFu, MiB + 1}) {
    OrganizeFile index = tree;
    index.setIndexLength(length);
    EXPECT_EQ(check(index.bytes()), 0u) << length;
    EXPECT_EQ(walkBytes(index.bytes()).advances, 0u) << length;

    OrganizeFile root = tree;
    root.setRecordLength(1, length);
    EXPECT_EQ(check(root.bytes()), 0u) << length;
    EXPECT_EQ(walkBytes(root.bytes()).advances, 0u) << length;

    OrganizeFile itemLength = tree;
    itemLength.setRecordLength(a, length);  // breaks the chain at its first item
    Walked walked = walkBytes(itemLength.bytes());
    EXPECT_EQ(walked.fault, "") << length;
    EXPECT_EQ(walked.advances, 2u) << length;

    OrganizeFile urlLength = tree;
    urlLength.setRecordLength(aUrl, length);
    walked = walkBytes(urlLength.bytes());
    EXPECT_EQ(walked.fault, "") << length;
    EXPECT_EQ(walked.favorites, 1u) << length;  // b only
  }
}

TEST_F(OrganizeBoundsTest, RecordsOfOneMebibyteAreReadAndLongerOnesBroken) {
  for (std::uint32_t extra : {0u, 1u}) {
    IndexedFile file = withFavoritesFolder(4);
    std::string title(MiB + extra - 39, 't');  // the title fills the item up to its trailer
    file.add(3, std::string(18, '\0') + title + std::string(1, '\0') + le32(4) + std::string(16, '\0'));
    file.add(4, std::string(MiB + extra - 1, 'u') + '\0');
    Walked walked = walkBytes(file.bytes());
    EXPECT_EQ(walked.fault, "") << extra;
    EXPECT_EQ(walked.favorites, extra == 0 ? 1u : 0u) << extra;
  }
}

TEST_F(OrganizeBoundsTest, IndexIsUsedUpToItsFirst16MiB) {
  std::string bytes = longestIndex(100);
  EXPECT_EQ(check(bytes), (16 * MiB - 8) / 4);
  Walked walked = walkBytes(bytes);
  EXPECT_EQ(walked.fault, "");
  EXPECT_EQ(walked.favorites, 1u);
}

TEST_F(OrganizeBoundsTest, NumbersWithoutAnIndexEntryNameNoRecord) {
  // A file that changed since discovery, and whose first bytes read as a
  // record: numbers beyond the index, or with a zero entry, must not be
  // taken for the record at offset 0.
  IndexedFile file = withFavoritesFolder(5);
  file.add(3, item("beyond", 99, 4, 0));
  file.add(4, item("zero entry", 5, 0, 0));
  std::string bytes = file.bytes();
  bytes.replace(0, 16, std::string("RS\0\0", 4) + le32(12) + "evil" + le32(0));
  Walked walked = walkBytes(bytes);
  EXPECT_EQ(walked.fault, "");
  EXPECT_EQ(walked.favorites, 0u);
  EXPECT_EQ(walked.advances, 2u + 2u * 2u);
}

TEST_F(OrganizeBoundsTest, OffsetsAtAndAbove2GiBAreAbsent) {
  OrganizeFile tree(Profile{"Jo", {favoritePlaces({favorite("a", "http://a/"), favorite("b", "http://b/")})}});
  std::uint32_t a = tree.numberOf({"Favorite Places", "a"});
  std::uint32_t bUrl = tree.urlRecordOf({"Favorite Places", "b"});
  for (std::uint32_t offset : {0x7FFFFFF8u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFF8u, 0xFFFFFFFFu}) {
    OrganizeFile item = tree;
    item.setIndexEntry(a, offset);
    Walked walked = walkBytes(item.bytes());
    EXPECT_EQ(walked.fault, "") << offset;
    EXPECT_EQ(walked.favorites, 0u) << offset;

    OrganizeFile url = tree;
    url.setIndexEntry(bUrl, offset);
    walked = walkBytes(url.bytes());
    EXPECT_EQ(walked.fault, "") << offset;
    EXPECT_EQ(walked.favorites, 1u) << offset;
    EXPECT_EQ(walked.advances, 2u + 2u * 2u) << offset;
  }
}

TEST_F(OrganizeBoundsTest, SharedUrlRecordIsReadOnlyWithinTheBudget) {
  // 100,000 favourites name one URL record of 1 MiB: read for each, that
  // would be 100 GB. A walk reads at most twice the file and 1 MiB.
  std::string bytes = sharedUrl(100000, MiB - 1);
  CountingSource source(bytes, bytes.size());
  Walked walked = walkSource(source);
  EXPECT_EQ(walked.fault, "");
  ULONGLONG budget = 2 * static_cast<ULONGLONG>(bytes.size()) + MiB;
  EXPECT_GE(walked.favorites, 1u);
  EXPECT_LE(walked.favorites, budget / MiB);
  EXPECT_LE(source.bytesRead(), budget);
}

namespace {

// A profile at the start of a 4 GiB file whose chain names records just
// below, across and above 2^31.
std::vector<Piece> fourGiBProfile() {
  IndexedFile file = withFavoritesFolder(11);
  file.add(3, item("near", 4, 5, 0));
  file.add(4, std::string("http://near/") + '\0');
  file.add(5, item("ends at 2^31", 6, 7, 0));
  file.setEntry(6, 0x80000000u - MiB - 8);  // its data ends with the byte below 2^31
  file.add(7, item("crosses 2^31", 8, 9, 0));
  file.setEntry(8, 0x7FFFFFF8u);  // header below 2^31, data above
  file.add(9, item("above 2^31", 10, 11, 0));
  file.setEntry(10, 0x80000000u);
  file.setEntry(11, 0xC0000000u);
  std::string urlHeader = std::string("RS\0\0", 4) + le32(MiB);
  std::string crossingHeader = std::string("RS\0\0", 4) + le32(16);
  std::string highItem = item("high", 0, 0, 0);
  std::string high = std::string("RS\0\0", 4) + le32(static_cast<std::uint32_t>(highItem.size())) + highItem;
  return {Piece{0, file.bytes()}, Piece{0x80000000u - MiB - 8, urlHeader}, Piece{0x7FFFFFF8u, crossingHeader},
          Piece{0x80000000u, crossingHeader}, Piece{0xC0000000u, high}};
}

}  // namespace

TEST_F(OrganizeBoundsTest, FourGiBSparseFile) {
  std::string path = temp / "sparse";
  writeSparseFile(path, fourGiBProfile(), FourGiB);
  EXPECT_EQ(checkFile(path), 11u);
  Walked walked = walkFile(path);
  EXPECT_EQ(walked.fault, "");
  // near, and the URL that ends at 2^31 (all zeros: an empty text); the
  // other two URLs and the item above 2^31 are absent.
  EXPECT_EQ(walked.favorites, 2u);
  EXPECT_EQ(walked.advances, 2u + 4u * 2u);
}

TEST_F(OrganizeBoundsTest, FourGiBFileOfSharedUrlsStopsAtItsBudget) {
  // The worst a 4 GiB file can ask: every favourite names one URL record of
  // 1 MiB. The walk reads 8 GiB and 1 MiB at most, then finds the rest
  // absent: the budget allows some 8,192 reads of the record, not 20,000.
  std::string bytes = sharedUrl(20000, MiB - 1);
  CountingSource source(bytes, FourGiB);
  Walked walked = walkSource(source);
  EXPECT_EQ(walked.fault, "");
  ULONGLONG budget = 2 * FourGiB + MiB;
  EXPECT_GE(walked.favorites, 8000u);
  EXPECT_LE(walked.favorites, budget / MiB);
  EXPECT_LE(source.bytesRead(), budget);
}
