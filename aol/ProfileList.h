// The profiles a front end works on: every profile that
// discovery finds in the directory, however many there are, in rows like
// those of the wizard's table (whose 200 rows are the wizard's).
#pragma once

#include "aol/ProfileDiscovery.h"
#include "support/LocalMemory.h"

#include <windows.h>

class ProfileList : public ProfileCollector {
 public:
  ProfileList() = default;
  ~ProfileList() override { release(); }
  ProfileList(const ProfileList&) = delete;
  ProfileList& operator=(const ProfileList&) = delete;

  // Rows 0 .. profileCount - 1, and the counts, as in ProfileTable.
  ProfileEntry* entries = nullptr;
  int profileCount = 0;
  int selectedCount = 0;
  int totalItemCount = 0;

  // Appends a row, growing the rows as needed; throws mirrex::Win32Error
  // "LocalAlloc" when memory is exhausted. Always true: no number of
  // profiles ends the search.
  bool take(const char* path, const char* screenName, DWORD itemCount) override;
  // Chooses the row, or leaves it out, keeping the counts of the chosen.
  void setSelected(int row, bool selected);
  // Frees the rows and their texts and sets the counts to 0.
  void release();

 private:
  LocalPointer<ProfileEntry> rows_;
  int capacity_ = 0;
};

inline void releaseProfiles(ProfileList& list) { list.release(); }
