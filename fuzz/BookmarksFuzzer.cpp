// Fuzzes the bookmarks export: each input is walked as an AOL profile, read
// from memory, into the bookmarks writer, in the default code page and in
// UTF-8, as the export of a profile does it; whatever the profile holds,
// the file must keep the structure a browser reads, and no link of it may
// run script.
#include "aol/organize/FavoritePlaces.h"
#include "aol/organize/MemorySource.h"
#include "bookmarks/BookmarksFileWriter.h"
#include "bookmarks/tests/BookmarksProperties.h"
#include "bookmarks/tests/MemoryStream.h"
#include "fuzz/Scratch.h"
#include "support/Errors.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const CodePage* const pages[] = {&CodePage::standard(), CodePage::find("utf-8")};
  for (const CodePage* page : pages) {
    MemoryStream out;
    BookmarksFileWriter writer(out, *page, 1700000000);
    writer.openTopFolder("AOL Favorite Places", CodePage::standard());
    DWORD depth = writer.depth();
    organize::MemorySource source(data, size);
    try {
      organize::readFavoritePlaces(source, writer);
    } catch (const mirrex::BaseError&) {
      writer.closeFolders(depth);
    }
    writer.finish();
    std::string fault = bookmarksFault(out.bytes);
    if (!fault.empty()) fail(std::string(page->name()) + ": " + fault);
  }
  return 0;
}
