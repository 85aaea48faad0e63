#include "bookmarks/tests/BookmarksProperties.h"
#include "bookmarks/tests/MemoryStream.h"
#include "aol/organize/FavoritePlaces.h"
#include "aol/organize/MemorySource.h"
#include "bookmarks/BookmarksFileWriter.h"
#include "fuzz/Corpus.h"
#include "support/Errors.h"

#include <gtest/gtest.h>

// Every organize file of the fuzz corpus exported as a bookmarks file, in
// the default code page and in UTF-8, as the export of a profile does it:
// a reader that throws leaves the folders it opened to closeFolders.
TEST(BookmarksCorpus, EveryInputMakesAWellFormedFile) {
  std::vector<CorpusInput> inputs = readCorpus(PLACEMOVE_CORPUS);
  ASSERT_FALSE(inputs.empty()) << "no corpus in " << PLACEMOVE_CORPUS;
  const CodePage* const pages[] = {&CodePage::standard(), CodePage::find("utf-8")};
  for (const CodePage* page : pages) {
    for (const CorpusInput& input : inputs) {
      MemoryStream out;
      BookmarksFileWriter writer(out, *page, 1700000000);
      writer.openTopFolder("AOL Favorite Places", CodePage::standard());
      DWORD depth = writer.depth();
      try {
        organize::MemorySource source(input.bytes.data(), input.bytes.size());
        organize::readFavoritePlaces(source, writer);
      } catch (const mirrex::BaseError&) {
        writer.closeFolders(depth);
      }
      writer.finish();
      EXPECT_EQ(bookmarksFault(out.bytes), "") << input.name << " in " << page->name();
    }
  }
}
