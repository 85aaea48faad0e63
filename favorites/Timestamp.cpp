#include "favorites/Timestamp.h"

namespace {

// 1970-01-01 in FILETIME units, which count from 1601-01-01.
const ULONGLONG FileTimeOf1970 = 116444736000000000ull;

}  // namespace

Timestamp Timestamp::fromFileTime(const FILETIME& time) {
  ULONGLONG value = (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  if (value == 0) return Timestamp();
  return Timestamp(static_cast<LONGLONG>(value - FileTimeOf1970));
}

Timestamp Timestamp::now() {
  FILETIME time;
  GetSystemTimeAsFileTime(&time);
  return fromFileTime(time);
}

FILETIME Timestamp::toFileTime() const {
  ULONGLONG value = value_ == 0 ? 0 : static_cast<ULONGLONG>(value_) + FileTimeOf1970;
  FILETIME time;
  time.dwLowDateTime = static_cast<DWORD>(value);
  time.dwHighDateTime = static_cast<DWORD>(value >> 32);
  return time;
}
