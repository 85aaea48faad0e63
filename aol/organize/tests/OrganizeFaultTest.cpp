// Failures of the system while an organize file is read, provoked through
// the stand-in: each is thrown with the failing routine's name and code, and
// leaves no handle open and no heap block behind.
#include "aol/organize/FavoritePlaces.h"

#include "aol/organize/tests/GrammarSink.h"
#include "support/Errors.h"
#include "tests/builder/LargeProfile.h"
#include "tests/builder/OrganizeBuilder.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>
#include <standin.h>

#include <new>
#include <string>

using namespace builder;

namespace {

class OrganizeFaultTest : public ::testing::Test {
protected:
  TempFolder temp;
  std::string path;
  // A profile of many windows of the file source, so that the walk goes on
  // reading the file after its start.
  std::string largePath;
  std::size_t handlesBefore = 0;
  SIZE_T heapBefore = 0;

  void SetUp() override {
    path = temp / "profile";
    OrganizeFile(Profile{"Jo", {favoritePlaces({favorite("a", "http://a/"), folder("F", {favorite("b", "u")})})}})
        .save(path);
    largePath = temp / "large";
    OrganizeFile(largeProfile(10000)).save(largePath);
    handlesBefore = standin::openHandleCount();
    heapBefore = standin::localMemoryInUse();
  }
  void TearDown() override { standin::clearFaults(); }

  void expectNothingLeft() {
    EXPECT_EQ(standin::openHandleCount(), handlesBefore);
    EXPECT_EQ(standin::localMemoryInUse(), heapBefore);
  }
};

}  // namespace

TEST_F(OrganizeFaultTest, FailingSeekIsThrownAndTheFileClosed) {
  for (unsigned skip : {0u, 5u}) {
    standin::injectFault(standin::Call::SetFilePointer, skip, ERROR_INVALID_HANDLE);
    {
      GrammarSink sink;
      try {
        readFavoritePlaces(largePath.c_str(), sink);
        ADD_FAILURE() << "no error after " << skip << " seeks";
      } catch (const mirrex::Win32Error& error) {
        EXPECT_EQ(error.functionName, "SetFilePointer");
        EXPECT_EQ(error.code, DWORD{ERROR_INVALID_HANDLE});
      }
    }
    expectNothingLeft();
  }
}

TEST_F(OrganizeFaultTest, FailingReadInTheWalkIsThrownAndTheFileClosed) {
  standin::injectFault(standin::Call::ReadFile, 6, ERROR_READ_FAULT);
  {
    GrammarSink sink;
    try {
      readFavoritePlaces(largePath.c_str(), sink);
      ADD_FAILURE() << "no error";
    } catch (const mirrex::Win32Error& error) {
      EXPECT_EQ(error.functionName, "ReadFile");
      EXPECT_EQ(error.code, DWORD{ERROR_READ_FAULT});
    }
    EXPECT_GT(sink.advances(), 0u);
  }
  expectNothingLeft();
}

TEST_F(OrganizeFaultTest, ExhaustedMemoryAtAnyAllocationIsThrownWithNothingLeft) {
  // Allocation by allocation, until a read needs no more than were allowed.
  unsigned readerFailures = 0;
  for (unsigned skip = 0;; ++skip) {
    standin::injectFault(standin::Call::LocalAlloc, skip, ERROR_NOT_ENOUGH_MEMORY);
    bool threw = false;
    {
      GrammarSink sink;
      try {
        readFavoritePlaces(path.c_str(), sink);
      } catch (const mirrex::Win32Error& error) {
        threw = true;
        ++readerFailures;
        EXPECT_EQ(error.functionName, "LocalAlloc") << "allocation " << skip;
        EXPECT_EQ(error.code, DWORD{ERROR_NOT_ENOUGH_MEMORY}) << "allocation " << skip;
      } catch (const std::bad_alloc&) {
        threw = true;  // the stand-in's own bookkeeping of the open file
      }
    }
    standin::clearFaults();
    expectNothingLeft();
    if (!threw) break;
    ASSERT_LT(skip, 100u) << "every allocation failed";
  }
  // The file's window, the index, the walked bits, and the item and URL
  // records of the walk.
  EXPECT_GE(readerFailures, 5u);
}
