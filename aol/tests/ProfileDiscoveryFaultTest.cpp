// Failures of the directory search and of memory, provoked through the
// stand-in: they leave discovery as exceptions, with the search closed.
#include "aol/tests/ProfileDiscoveryTest.h"

#include <standin.h>

#include <new>

namespace {

class ProfileDiscoveryFaultTest : public ProfileDiscoveryTest {
protected:
  std::size_t handles = standin::openHandleCount();

  ~ProfileDiscoveryFaultTest() override { standin::clearFaults(); }

  void expectSearchClosed() { EXPECT_EQ(standin::openHandleCount(), handles) << "a handle was left open"; }
};

}  // namespace

TEST_F(ProfileDiscoveryFaultTest, FailedSearchIsThrownWithThePatternAndKeepsTheRowsFound) {
  saveProfile("a", "Alpha");
  saveProfile("b", "Beta");
  // ".", ".." and "a" come back; looking for the entry after "a" fails.
  standin::injectFault(standin::Call::FindNextFile, 2, ERROR_READ_FAULT);
  try {
    discover(temp.path());
    ADD_FAILURE() << "no error";
  } catch (const mirrex::FileError& error) {
    EXPECT_EQ(error.eventId, 0x20000005u);
    EXPECT_EQ(error.path, temp / "*.*");
    const mirrex::Win32Error* cause = dynamic_cast<const mirrex::Win32Error*>(error.cause());
    ASSERT_NE(cause, nullptr);
    EXPECT_EQ(cause->functionName, "FindNextFile");
    EXPECT_EQ(cause->code, static_cast<DWORD>(ERROR_READ_FAULT));
  }
  EXPECT_EQ(rows(), std::vector<std::string>{row("Alpha", "a")});
  expectSearchClosed();
}

TEST_F(ProfileDiscoveryFaultTest, FailedCloseIsThrownAtTheEndAndOnAbort) {
  saveProfile("a", "Alpha");
  for (bool abort : {false, true}) {
    SCOPED_TRACE(abort ? "on abort" : "at the end");
    Lock lock(temp / "a");
    if (!abort) lock.release();
    if (abort) messages.answer(IDABORT);
    standin::injectFault(standin::Call::FindClose, 0, ERROR_INVALID_HANDLE);
    try {
      discover(temp.path());
      ADD_FAILURE() << "no error, abort " << abort;
    } catch (const mirrex::Win32Error& error) {
      EXPECT_EQ(error.functionName, "FindClose");
      EXPECT_EQ(error.code, static_cast<DWORD>(ERROR_INVALID_HANDLE));
    }
    lock.release();
    expectSearchClosed();
  }
}

// Whichever allocation fails, discovery either ends normally (a file that
// could not be checked is asked about and skipped) or throws; it never keeps
// a row without its texts, nor an open handle, nor leaked memory.
TEST_F(ProfileDiscoveryFaultTest, ExhaustedMemoryAnywhereLeavesNoHalfRowAndNoOpenHandle) {
  saveProfile("a", "Alpha");
  saveProfile("b", "Beta");
  ASSERT_EQ(discover(temp.path()), 2);
  for (unsigned skip = 0; skip < 1000; ++skip) {
    SCOPED_TRACE("failing allocation " + std::to_string(skip));
    std::size_t shown = messages.shown().size();
    standin::injectFault(standin::Call::LocalAlloc, skip, ERROR_NOT_ENOUGH_MEMORY);
    int found = -2;
    try {
      found = discoverProfiles(directory, table);
    } catch (const mirrex::BaseError&) {
    } catch (const std::bad_alloc&) {
    }
    standin::clearFaults();
    expectSearchClosed();
    for (int row = 0; row < table.profileCount; ++row) {
      EXPECT_NE(table.entries[row].screenName, nullptr);
      EXPECT_NE(table.entries[row].profilePath, nullptr);
    }
    // The first run that meets no failure has passed every allocation.
    if (found == 2 && messages.shown().size() == shown) break;
  }
}
