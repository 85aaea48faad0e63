#include "cli/Summary.h"

#include "bookmarks/BookmarksFileWriter.h"
#include "cli/Console.h"

namespace {

void printCount(const char* what, DWORD count) { printError("%s: %u", what, static_cast<unsigned>(count)); }

void printRead(const RunCounts& counts) { printCount("Profiles read", counts.profilesRead); }

void printWritten(const RunCounts& counts) {
  printCount("Folders written", counts.folders);
  printCount("Favourites written", counts.favorites);
}

// The line of damaged profiles only when there is one: each was named
// when it was read.
void printUnreadable(const RunCounts& counts) {
  printCount("Skipped, unreadable profile", counts.unreadableProfiles);
  if (counts.damagedProfiles > 0) printCount("Damaged profiles, read in part", counts.damagedProfiles);
}

}  // namespace

void printListSummary(const RunCounts& counts) {
  printRead(counts);
  printUnreadable(counts);
}

void printExportSummary(const RunCounts& counts, const char* aolLinksFile) {
  printRead(counts);
  printWritten(counts);
  printCount("Skipped, script URL", counts.scriptUrls);
  printUnreadable(counts);
  if (counts.flattenedFolders > 0) {
    printCount("Folders flattened", counts.flattenedFolders);
    printError("Folders nested more than %u deep are flattened, their favourites kept in the folder above: "
               "browsers import nothing from a file nested much deeper.",
               static_cast<unsigned>(MaxFolderDepth));
  }
  if (counts.aolOnlyLinks == 0) return;
  printCount("AOL-only links", counts.aolOnlyLinks);
  if (aolLinksFile != nullptr) {
    printError("Browsers will not import AOL-only links (aol://...); they are kept in the file and listed in %s.",
               aolLinksFile);
  } else {
    printError(
        "Browsers will not import AOL-only links (aol://...); they are kept in the file, and --aol-links FILE "
        "lists them.");
  }
}

void printImportSummary(const RunCounts& counts) {
  printRead(counts);
  printWritten(counts);
  // Windows keeps one shortcut file of a name; a bookmarks file has no names to share.
  printError("Replaced by a later favourite of the same name: %u%s", static_cast<unsigned>(counts.replaced),
             counts.replaced > 0 ? " (a bookmarks file keeps both)" : "");
  if (counts.replacedOlder > 0) printCount("Files there before, replaced", counts.replacedOlder);
  printCount("Skipped, path too long", counts.pathTooLong);
  printCount("Skipped, a title Windows cannot take as a name", counts.invalidName);
  printCount("Skipped, could not be written", counts.notWritten);
  printCount("Skipped, script URL", counts.scriptUrls);
  printUnreadable(counts);
}

int exitCode(const RunCounts& counts) { return counts.unreadableProfiles + counts.damagedProfiles > 0 ? 1 : 0; }
