// Moments in time as 100-nanosecond units since 1970-01-01 00:00:00 UTC;
// 0 means that no time is known.
#pragma once

#include <windows.h>

class Timestamp {
public:
  Timestamp() = default;
  explicit Timestamp(LONGLONG value) : value_(value) {}

  // A FILETIME of 0 gives 0.
  static Timestamp fromFileTime(const FILETIME& time);
  // The system clock, in UTC.
  static Timestamp now();

  // 0 gives a FILETIME of 0.
  FILETIME toFileTime() const;
  LONGLONG value() const { return value_; }

private:
  LONGLONG value_ = 0;
};

const LONGLONG TimestampSecond = 10000000;
