// Failures of the file calls while shortcut files are written, provoked in
// the stand-in: a favourite whose file cannot be made is skipped and the
// next one is written; only a close that fails after an earlier failure
// leaves the writer.
#include "favorites/FavoritesFolderWriter.h"

#include "favorites/tests/FileErrors.h"
#include "standin.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string Content = "[InternetShortcut]\r\nURL=http://x/\r\n";

class FavoritesFolderWriterFaultsTest : public ::testing::Test {
protected:
  TempFolder temp;
  FavoritesFolderWriter writer{temp.path().c_str(), nullptr};

  void TearDown() override { standin::clearFaults(); }

  // One favourite, written without a time: one CreateFile, one WriteFile
  // and one CloseHandle.
  void writeFavorite(const char* title) {
    writer.setTitle(title);
    writer.setUrl("http://x/");
    writer.endFavorite();
  }
};

}  // namespace

TEST_F(FavoritesFolderWriterFaultsTest, FileThatCannotBeCreatedIsSkipped) {
  standin::injectFault(standin::Call::CreateFile, 1, ERROR_ACCESS_DENIED);
  writeFavorite("a");
  writeFavorite("b");
  writeFavorite("c");
  EXPECT_EQ(temp.tree(), (std::vector<std::string>{"a.url", "c.url"}));
  EXPECT_EQ(temp.read("c.url"), Content);
}

TEST_F(FavoritesFolderWriterFaultsTest, FailedWriteLeavesWhatWasWritten) {
  standin::injectFault(standin::Call::WriteFile, 0, ERROR_DISK_FULL);
  writeFavorite("a");
  writeFavorite("b");
  EXPECT_EQ(temp.tree(), (std::vector<std::string>{"a.url", "b.url"}));
  EXPECT_EQ(temp.read("a.url"), "") << "the buffer never reached the file";
  EXPECT_EQ(temp.read("b.url"), Content);
}

TEST_F(FavoritesFolderWriterFaultsTest, FailedCloseIsSkipped) {
  standin::injectFault(standin::Call::CloseHandle, 0, ERROR_WRITE_FAULT);
  writeFavorite("a");
  writeFavorite("b");
  EXPECT_EQ(temp.read("a.url"), Content);
  EXPECT_EQ(temp.read("b.url"), Content);
}

TEST_F(FavoritesFolderWriterFaultsTest, CloseFailingAfterAWriteFailureLeavesTheWriter) {
  standin::injectFault(standin::Call::WriteFile, 0, ERROR_DISK_FULL);
  standin::injectFault(standin::Call::CloseHandle, 0, ERROR_WRITE_FAULT);
  writer.setTitle("a");
  writer.setUrl("http://x/");
  EXPECT_EQ(fileErrorOf([&] { writer.endFavorite(); }),
            fileErrorText(mirrex::EventCloseOutputFile, temp / "a.url", "CloseHandle", ERROR_WRITE_FAULT));
}
