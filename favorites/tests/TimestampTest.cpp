#include "favorites/Timestamp.h"

#include <gtest/gtest.h>

namespace {

FILETIME fileTime(ULONGLONG value) {
  FILETIME time;
  time.dwLowDateTime = static_cast<DWORD>(value);
  time.dwHighDateTime = static_cast<DWORD>(value >> 32);
  return time;
}

ULONGLONG valueOf(const FILETIME& time) {
  return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// 2000-01-01 00:00:00 UTC.
const ULONGLONG FileTime2000 = 125911584000000000ull;
const LONGLONG Timestamp2000 = 9466848000000000ll;

}  // namespace

TEST(Timestamp, CountsFrom1970) {
  EXPECT_EQ(Timestamp::fromFileTime(fileTime(FileTime2000)).value(), Timestamp2000);
  EXPECT_EQ(valueOf(Timestamp(Timestamp2000).toFileTime()), FileTime2000);
  EXPECT_EQ(valueOf(Timestamp(1).toFileTime()), 116444736000000001ull);
  EXPECT_EQ(Timestamp2000 / TimestampSecond, 946684800);
}

TEST(Timestamp, ZeroMeansNoTimeBothWays) {
  EXPECT_EQ(Timestamp::fromFileTime(fileTime(0)).value(), 0);
  EXPECT_EQ(valueOf(Timestamp().toFileTime()), 0u);
  EXPECT_EQ(Timestamp().value(), 0);
}

TEST(Timestamp, NowIsTheSystemClockInUtc) {
  FILETIME before;
  FILETIME after;
  GetSystemTimeAsFileTime(&before);
  Timestamp now = Timestamp::now();
  GetSystemTimeAsFileTime(&after);
  EXPECT_GE(valueOf(now.toFileTime()), valueOf(before));
  EXPECT_LE(valueOf(now.toFileTime()), valueOf(after));
}
