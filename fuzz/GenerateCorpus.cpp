// Writes the seed inputs of the fuzz targets, made with the organize-file
// builder: well-formed profiles of every shape the reader knows, and each
// of them damaged in one of the ways the reader must survive. Built in the
// fuzz build on demand and run from the repository's root,
//   cmake --build build/fuzz --target GenerateCorpus
//   build/fuzz/fuzz/GenerateCorpus fuzz/corpus
// it rewrites the files named seed-* in fuzz/corpus/organize and
// fuzz/corpus/names; inputs kept from findings are left alone.
#include "tests/builder/OrganizeBuilder.h"
#include "tests/support/TempFolder.h"

#include <cstdio>
#include <string>

using namespace builder;

namespace {

Profile sample() {
  return Profile{"Jo Smith",
                 {favoritePlaces({favorite("A", "http://a.example/"),
                                  folder("F", {favorite("B", "http://b.example/"), folder("Empty", {})})}),
                  folder("Other", {favorite("skipped", "http://skipped/")})}};
}

Profile hazards() {
  Item both = folder("CON.", {favorite("nul .txt", "http://n/")});
  both.hasUrl = true;
  both.url = "http://both/\r\nX=1";
  return Profile{"a/b:c",
                 {topFolder("Anything", FavoritesKind,
                            {favorite("a\\b/c:d*e?f\"g<h>i|j%k", "u"), favorite("", ""), folder("dots...", {}),
                             folder("x.", {favorite("COM1", "http://c/")}), both}),
                  topFolder("Favorite Places", 0, {favorite(std::string(300, 't'), std::string(600, 'u'))})}};
}

Profile nested(int levels) {
  Item item = favorite("leaf", "http://leaf/");
  for (int level = 0; level < levels; ++level) item = folder("level " + std::to_string(level), {item});
  return Profile{"Deep", {favoritePlaces({item})}};
}

// Titles that take a path to the MAX_PATH limit within a few levels.
Profile longPaths() {
  Item item = favorite(std::string(40, 'f'), "http://deep/");
  for (int level = 0; level < 6; ++level) {
    std::string title(50 - level, static_cast<char>('a' + level));
    item = folder(title, {item, favorite(std::string(level * 7, 'g') + "?", "u")});
  }
  return Profile{"Long", {favoritePlaces({item})}};
}

// Names that Windows changes: dots and spaces at the end, and "." and "..".
Profile trailingNames() {
  return Profile{"Dots",
                 {favoritePlaces({folder(".", {favorite("in dot", "a")}), folder("..", {favorite("in dots", "b")}),
                                  folder("abc ", {favorite("in space", "c")}), folder("x. ", {}), favorite(".", "d"),
                                  favorite("..", "e"), favorite("y ", "f")})}};
}

void save(const std::string& folder, const std::string& name, const OrganizeFile& file) {
  file.save(folder + "/seed-" + name);
}

void writeOrganizeSeeds(const std::string& folder) {
  save(folder, "sample", OrganizeFile(sample()));
  save(folder, "hazards", OrganizeFile(hazards()));
  save(folder, "nested", OrganizeFile(nested(12)));
  save(folder, "empty-profile", OrganizeFile(Profile{"", {}}));
  save(folder, "long-paths", OrganizeFile(longPaths()));
  save(folder, "trailing-names", OrganizeFile(trailingNames()));

  OrganizeFile file(sample());
  std::uint32_t places = file.numberOf({"Favorite Places"});
  std::uint32_t a = file.numberOf({"Favorite Places", "A"});
  std::uint32_t f = file.numberOf({"Favorite Places", "F"});
  std::uint32_t b = file.numberOf({"Favorite Places", "F", "B"});

  OrganizeFile cycles = file;
  cycles.setTrailer(b, Trailer::FirstChild, places);
  cycles.setTrailer(a, Trailer::NextSibling, a);
  save(folder, "cycles", cycles);

  OrganizeFile rootLoop = file;
  rootLoop.setTrailer(1, Trailer::NextSibling, 1);
  rootLoop.setTrailer(f, Trailer::UrlRecord, f);
  save(folder, "root-loop", rootLoop);

  OrganizeFile broken = file;
  broken.setSignature(a, "rs");
  broken.setRecordLength(b, 20);
  save(folder, "broken-items", broken);

  OrganizeFile outside = file;
  outside.setTrailer(f, Trailer::FirstChild, 0xFFFFFFFF);
  outside.setIndexEntry(file.urlRecordOf({"Favorite Places", "A"}), 0x80000000);
  outside.setRecordLength(b, 0xFFFFFFF8);
  save(folder, "outside", outside);

  OrganizeFile shortIndex = file;
  shortIndex.setIndexLength(11);
  save(folder, "short-index", shortIndex);

  OrganizeFile cut = file;
  cut.truncate(cut.recordOffset(f) + 12);
  save(folder, "truncated", cut);

  OrganizeFile unterminated = file;
  std::uint32_t url = unterminated.appendRecord("http://no-terminator");
  unterminated.setIndexEntry(file.urlRecordOf({"Favorite Places", "A"}), url);
  unterminated.setIndexEntry(places, unterminated.appendRecord(std::string(18, '\0') + "T" + std::string(20, 'x')));
  save(folder, "unterminated", unterminated);
}

// What a name input is run through (its first byte).
enum NameUse { Title = 0, DirectoryName = 1, FolderName = 2 };

void writeNameSeed(const std::string& folder, const std::string& name, NameUse use, unsigned room,
                   const std::string& text) {
  std::string input;
  input += static_cast<char>(use);
  input += static_cast<char>(room & 0xFF);
  input += static_cast<char>(room >> 8);
  writeWholeFile(folder + "/seed-" + name, input + text);
}

void writeNameSeeds(const std::string& folder) {
  writeNameSeed(folder, "refused", Title, 260, "\"*/\\:<>?|% and text");
  writeNameSeed(folder, "directory", DirectoryName, 260, "AOL\\Imported: 50%?");
  writeNameSeed(folder, "device", Title, 260, "con .txt");
  writeNameSeed(folder, "device-tight", Title, 5, "COM1");
  writeNameSeed(folder, "dot", Title, 260, "Misc.");
  writeNameSeed(folder, "cut-pair", Title, 6, "abcd?");
  writeNameSeed(folder, "long", Title, 260, std::string(259, 'n') + "?");
  writeNameSeed(folder, "controls", Title, 40, "\x01\x1F\x7F\x80\xE9\xFF");
  writeNameSeed(folder, "folder-name", FolderName, 260, "\\\\AOL\\..\\Imported \\CON.\\C:\\");
  writeNameSeed(folder, "folder-name-tight", FolderName, 12, "Jo Smith\\x.");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: GenerateCorpus <corpus folder>\n");
    return 2;
  }
  std::string corpus = argv[1];
  writeOrganizeSeeds(corpus + "/organize");
  writeNameSeeds(corpus + "/names");
  return 0;
}
