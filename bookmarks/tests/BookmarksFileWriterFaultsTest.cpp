// Memory exhausted while a title is kept, provoked in the stand-in: the
// writer reports it rather than writing an empty or cut title, and the file
// can still be ended well formed.
#include "bookmarks/BookmarksFileWriter.h"

#include "bookmarks/tests/MemoryStream.h"
#include <standin.h>
#include "support/Errors.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(BookmarksFileWriterFaultsTest, NoMemoryForATitleIsAnError) {
  MemoryStream out;
  BookmarksFileWriter writer(out, CodePage::standard(), 0);
  writer.openTopFolder("Top", CodePage::standard());
  DWORD depth = writer.depth();
  writer.beginFavorite();
  standin::injectFault(standin::Call::LocalAlloc, 0, ERROR_NOT_ENOUGH_MEMORY);
  try {
    writer.setTitle("A title");
    ADD_FAILURE() << "no error";
  } catch (const mirrex::Win32Error& error) {
    EXPECT_EQ(error.functionName, "LocalAlloc");
    EXPECT_EQ(error.code, static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY));
  }
  standin::clearFaults();
  writer.closeFolders(depth);
  writer.setUrl("http://x/");
  writer.finish();
  std::string end = "    <DT><H3 ADD_DATE=\"0\">Top</H3>\n    <DL><p>\n    </DL><p>\n</DL><p>\n";
  ASSERT_GE(out.bytes.size(), end.size());
  EXPECT_EQ(out.bytes.substr(out.bytes.size() - end.size()), end);
}

}  // namespace
