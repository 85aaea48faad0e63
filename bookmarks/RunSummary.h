// What a run did, counted, and the lines of the summary that ends it, in
// the same words for every front end.
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

// Where a front end shows the summary, one line at a time (no line end).
class SummaryLines {
 public:
  virtual void line(const char* text) = 0;

 protected:
  ~SummaryLines() = default;
};

void writeListSummary(const RunCounts& counts, SummaryLines& lines);
// `aolLinksFile` is the list of AOL-only links written, or null.
void writeExportSummary(const RunCounts& counts, const char* aolLinksFile, SummaryLines& lines);
void writeImportSummary(const RunCounts& counts, SummaryLines& lines);
// The exit code of a command line, and what a page tells apart: 1 when a
// profile could not be read, or was read in part, else 0.
int exitCode(const RunCounts& counts);
