// Exhausted memory, provoked through the stand-in's LocalAlloc.
#include "support/Errors.h"

#include <standin.h>

#include <gtest/gtest.h>

#include <new>

using namespace mirrex;

namespace {

struct FaultCleanup {
  ~FaultCleanup() { standin::clearFaults(); }
};

}  // namespace

TEST(Allocation, NothrowNewYieldsNull) {
  FaultCleanup cleanup;
  standin::injectFault(standin::Call::LocalAlloc, 0, ERROR_NOT_ENOUGH_MEMORY);
  EXPECT_EQ(new (std::nothrow) char[16], nullptr);
}

TEST(Allocation, OrdinaryNewThrowsRatherThanReturningNull) {
  FaultCleanup cleanup;
  standin::injectFault(standin::Call::LocalAlloc, 0, ERROR_NOT_ENOUGH_MEMORY);
  EXPECT_THROW(delete new int(1), std::bad_alloc);
}

TEST(Allocation, CloneYieldsNullWhenMemoryIsExhausted) {
  FaultCleanup cleanup;
  Win32Error error("CreateFile", ERROR_ACCESS_DENIED);
  standin::injectFault(standin::Call::LocalAlloc, 0, ERROR_NOT_ENOUGH_MEMORY);
  EXPECT_EQ(error.clone(), nullptr);
}

TEST(Allocation, ErrorWhoseCauseCouldNotBeCopiedFormatsWithoutIt) {
  FaultCleanup cleanup;
  Win32Error cause("WriteFile", ERROR_DISK_FULL);
  // The path fits the string's own storage: the clone of the cause is the
  // first allocation.
  standin::injectFault(standin::Call::LocalAlloc, 0, ERROR_NOT_ENOUGH_MEMORY);
  FileError error(EventWriteOutputFile, "a.url", cause);
  EXPECT_EQ(error.cause(), nullptr);
  char buffer[64];
  EXPECT_EQ(error.formatMessage(buffer, sizeof buffer), 2u);
  EXPECT_STREQ(buffer, "\r\n");

  standin::injectFault(standin::Call::LocalAlloc, 0, ERROR_NOT_ENOUGH_MEMORY);
  FileError copy(error);
  EXPECT_EQ(copy.cause(), nullptr);
}
