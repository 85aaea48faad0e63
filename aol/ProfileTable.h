// The table of AOL profiles that discovery finds: one row per organize file,
// in the order the directory search returned them.
#pragma once

#include <windows.h>

const int MaxProfiles = 200;

struct ProfileEntry {
  bool selected;      // to be imported
  int listIndex;      // the row's line in the wizard's profile list
  char* screenName;   // owned, LocalAlloc
  char* profilePath;  // owned, LocalAlloc: the directory (ending in '\') and the file name
  DWORD itemCount;    // as checkProfileFile reported it: the profile's progress units
};

struct ProfileTable {
  ProfileEntry entries[MaxProfiles];  // rows 0 .. profileCount - 1 are valid
  int profileCount;
  int selectedCount;
  int totalItemCount;  // sum of itemCount over the selected rows
};

// Fills an unselected row with copies of the texts; throws
// mirrex::Win32Error "LocalAlloc" rather than keep a row without them.
void fillProfileEntry(ProfileEntry& entry, const char* path, const char* screenName, DWORD itemCount);

// Frees both texts of every valid row and sets the three counts to 0.
void releaseProfiles(ProfileTable& table);
