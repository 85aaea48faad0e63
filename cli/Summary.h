// What a run did, counted, and the summary that ends every command on
// standard error.
#pragma once

#include <windows.h>

struct RunCounts {
  DWORD profilesRead = 0;
  DWORD unreadableProfiles = 0;  // files discovery skipped, and profiles whose walk failed
  DWORD damagedProfiles = 0;     // read in part: the reader could not read all they hold
  DWORD folders = 0;
  DWORD favorites = 0;
  DWORD replaced = 0;       // favourites whose shortcut file a later one of the same name wrote over
  DWORD replacedOlder = 0;  // files there before the import that a favourite wrote over
  DWORD pathTooLong = 0;
  DWORD invalidName = 0;
  DWORD notWritten = 0;
  DWORD scriptUrls = 0;
  DWORD flattenedFolders = 0;  // nested too deep for browsers, their favourites kept
  DWORD aolOnlyLinks = 0;
};

void printListSummary(const RunCounts& counts);
// `aolLinksFile` is the list of AOL-only links written, or null.
void printExportSummary(const RunCounts& counts, const char* aolLinksFile);
void printImportSummary(const RunCounts& counts);
// 1 when a profile could not be read, or was read in part, else 0.
int exitCode(const RunCounts& counts);
