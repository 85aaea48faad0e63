// A fixture for discovery: a temporary folder to fill with profile files,
// the table, the directory buffer (with guard bytes behind it), and the
// messages discovery shows, recorded and answered by the test.
#pragma once

#include "aol/ProfileDiscovery.h"
#include "support/Errors.h"
#include "tests/builder/OrganizeBuilder.h"
#include "tests/support/RecordedMessages.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

inline std::string errorText(const mirrex::BaseError& error) {
  char buffer[1024] = "";
  error.formatMessage(buffer, sizeof buffer);
  return buffer;
}

// The text discovery shows for a directory that cannot be searched.
inline std::string searchErrorText(DWORD code) {
  return errorText(mirrex::FileError(mirrex::EventSearchDirectory, "", mirrex::Win32Error("FindFirstFile", code)));
}

// Holds a file open for reading without sharing, as another program may.
class Lock {
public:
  explicit Lock(const std::string& path)
      : handle_(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {
    EXPECT_NE(handle_, INVALID_HANDLE_VALUE) << "cannot lock " << path << ": error " << GetLastError();
  }
  ~Lock() { release(); }
  void release() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
  }

private:
  HANDLE handle_;
};

class ProfileDiscoveryTest : public ::testing::Test {
protected:
  TempFolder temp;
  RecordedMessages messages;
  ProfileTable table{};
  char directory[MAX_PATH + 16];

  ~ProfileDiscoveryTest() override { releaseProfiles(table); }

  // A profile whose favourites folder holds one favourite: 4 records.
  void saveProfile(const std::string& name, const std::string& screenName) const {
    using namespace builder;
    OrganizeFile(Profile{screenName, {favoritePlaces({favorite("A", "http://a.example/")})}}).save(temp / name);
  }

  // Runs discovery on `text` in the MAX_PATH directory buffer, which need
  // not be terminated when `text` fills it.
  int discover(const std::string& text) {
    const std::string guard(sizeof directory - MAX_PATH, '\x7F');
    std::memset(directory, 0, MAX_PATH);
    std::memcpy(directory, text.data(), std::min<std::size_t>(text.size(), MAX_PATH));
    std::memcpy(directory + MAX_PATH, guard.data(), guard.size());
    int result = discoverProfiles(directory, table);
    EXPECT_EQ(std::string(directory + MAX_PATH, guard.size()), guard) << "wrote past the directory buffer";
    EXPECT_LT(strnlen(directory, MAX_PATH), static_cast<std::size_t>(MAX_PATH)) << "directory not terminated";
    return result;
  }

  // The valid rows as "screen name | path | item count", sorted: the order
  // of the search is the file system's.
  std::vector<std::string> rows() const {
    std::vector<std::string> result;
    for (int row = 0; row < table.profileCount; ++row) {
      const ProfileEntry& entry = table.entries[row];
      result.push_back(std::string(entry.screenName) + " | " + entry.profilePath + " | " +
                       std::to_string(entry.itemCount) + (entry.selected ? " | selected" : ""));
    }
    std::sort(result.begin(), result.end());
    return result;
  }

  std::string row(const std::string& screenName, const std::string& file) const {
    return screenName + " | " + temp / file + " | 4";
  }
};
