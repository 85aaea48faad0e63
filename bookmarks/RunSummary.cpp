#include "bookmarks/RunSummary.h"

#include "bookmarks/BookmarksFileWriter.h"

#include <cstdarg>

namespace {

// The longest line wsprintfA writes.
const DWORD LineSize = 1024;

// Formats one line and hands it on.
void addLine(SummaryLines& lines, const char* format, ...) {
  char text[LineSize];
  va_list arguments;
  va_start(arguments, format);
  wvsprintfA(text, format, arguments);
  va_end(arguments);
  lines.line(text);
}

void addCount(SummaryLines& lines, const char* what, DWORD count) {
  addLine(lines, "%s: %u", what, static_cast<unsigned>(count));
}

void addRead(const RunCounts& counts, SummaryLines& lines) {
  addCount(lines, "Profiles read", counts.profilesRead);
}

void addWritten(const RunCounts& counts, SummaryLines& lines) {
  addCount(lines, "Folders written", counts.folders);
  addCount(lines, "Favourites written", counts.favorites);
}

// The line of damaged profiles only when there is one: each was named
// when it was read.
void addUnreadable(const RunCounts& counts, SummaryLines& lines) {
  addCount(lines, "Skipped, unreadable profile", counts.unreadableProfiles);
  if (counts.damagedProfiles > 0) addCount(lines, "Damaged profiles, read in part", counts.damagedProfiles);
}

}  // namespace

void writeListSummary(const RunCounts& counts, SummaryLines& lines) {
  addRead(counts, lines);
  addUnreadable(counts, lines);
}

void writeExportSummary(const RunCounts& counts, const char* aolLinksFile, SummaryLines& lines) {
  addRead(counts, lines);
  addWritten(counts, lines);
  addCount(lines, "Skipped, script URL", counts.scriptUrls);
  addUnreadable(counts, lines);
  if (counts.flattenedFolders > 0) {
    addCount(lines, "Folders flattened", counts.flattenedFolders);
    addLine(lines,
              "Folders nested more than %u deep are flattened, their favourites kept in the folder above: "
              "browsers import nothing from a file nested much deeper.",
              static_cast<unsigned>(MaxFolderDepth));
  }
  if (counts.aolOnlyLinks == 0) return;
  addCount(lines, "AOL-only links", counts.aolOnlyLinks);
  if (aolLinksFile != nullptr) {
    addLine(lines,
              "Browsers will not import AOL-only links (aol://...); they are kept in the file and listed in %s.",
              aolLinksFile);
  } else {
    addLine(lines,
              "Browsers will not import AOL-only links (aol://...); they are kept in the file, and --aol-links FILE "
              "lists them.");
  }
}

void writeImportSummary(const RunCounts& counts, SummaryLines& lines) {
  addRead(counts, lines);
  addWritten(counts, lines);
  // Windows keeps one shortcut file of a name; a bookmarks file has no names to share.
  addLine(lines, "Replaced by a later favourite of the same name: %u%s", static_cast<unsigned>(counts.replaced),
            counts.replaced > 0 ? " (a bookmarks file keeps both)" : "");
  if (counts.replacedOlder > 0) addCount(lines, "Files there before, replaced", counts.replacedOlder);
  addCount(lines, "Skipped, path too long", counts.pathTooLong);
  addCount(lines, "Skipped, a title Windows cannot take as a name", counts.invalidName);
  addCount(lines, "Skipped, could not be written", counts.notWritten);
  addCount(lines, "Skipped, script URL", counts.scriptUrls);
  addUnreadable(counts, lines);
}

int exitCode(const RunCounts& counts) { return counts.unreadableProfiles + counts.damagedProfiles > 0 ? 1 : 0; }
