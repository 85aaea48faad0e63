// The entry points of the core that the page's worker calls, on the files
// it has written into the module's in-memory file system (OrganizeFolder):
// the same discovery, reader and bookmarks writer as placemove-cli's, over
// the same POSIX layer.
#include "aol/ProfileDiscovery.h"
#include "aol/ProfileList.h"
#include "bookmarks/BookmarksExport.h"
#include "bookmarks/CodePage.h"
#include "favorites/CountingSink.h"
#include "favorites/Timestamp.h"
#include "support/Errors.h"
#include "web/PageEvents.h"
#include "web/PageMessages.h"
#include "web/PageNames.h"
#include "web/PageOutput.h"
#include "web/PageReader.h"

#include <emscripten.h>

namespace {

ProfileList table;

// The code page of the page's own texts (the top folder's name).
const CodePage& pageCodePage() { return *CodePage::find("utf-8"); }

// The code page the page names, Windows-1252 for a name it does not know.
const CodePage& codePageNamed(const char* name) {
  const CodePage* codePage = CodePage::find(name);
  return codePage != nullptr ? *codePage : CodePage::standard();
}

// Each profile walked to count what it holds, and told to the page.
void countProfiles(const CodePage& codePage) {
  PageProfileReader reader(static_cast<DWORD>(table.totalItemCount));
  for (int row = 0; row < table.profileCount; ++row) {
    const ProfileEntry& entry = table.entries[row];
    CountingSink counts;
    if (!reader.read(entry, counts)) {
      pageProblem(fileNameOf(entry.profilePath), reader.problem());
      continue;
    }
    char screenName[PageTextSize];
    convertToUtf8(entry.screenName, codePage, screenName, PageTextSize);
    pageProfile(row, screenName, counts.favorites, counts.folders, fileNameOf(entry.profilePath), reader.problem());
  }
}

class PageSummaryLines : public SummaryLines {
 public:
  void line(const char* text) override { pageSummaryLine(text); }
};

// The bookmarks file and the list of AOL-only links, to the worker.
void writeExport(const char* folder, const CodePage& codePage, RunCounts& counts, PageProfileReader& reader) {
  PageOutputStream file(PageBookmarksFile);
  PageOutputStream links(PageAolLinksFile);
  BufferedOutputStream fileBuffer(&file);
  BufferedOutputStream linksBuffer(&links);
  BookmarksFileWriter writer(fileBuffer, codePage, Timestamp::now().value() / TimestampSecond);
  writer.keepAolLinksIn(&linksBuffer);
  writeBookmarksFile(writer, folder, pageCodePage(), table, reader, counts);
  fileBuffer.flush();
  linksBuffer.flush();
}

// The page's first catch site, as placemove-cli's main: a failure that
// ends the work (memory exhausted, an output that cannot be written) is
// told to the page instead of ending the module.
void reportFailure(const mirrex::BaseError& error) {
  char text[PageTextSize];
  mirrex::formatErrorText(error, text, PageTextSize);
  pageFailure(text);
}

}  // namespace

extern "C" {

// The canonical names of the code pages, null after the last.
EMSCRIPTEN_KEEPALIVE const char* placemoveCodePageName(int index) { return CodePage::names()[index]; }

// Finds the profiles among the files, all chosen, and tells each to the
// page with its screen name in `codePageName`. Returns the number found,
// or -1 when the search failed (told to the page).
EMSCRIPTEN_KEEPALIVE int placemoveScan(const char* codePageName) {
  try {
    table.release();
    resetUnreadableFiles();
    char directory[MAX_PATH];
    lstrcpyA(directory, OrganizeFolder);
    int found = discoverProfiles(directory, table);
    if (found <= 0) return found;
    for (int row = 0; row < table.profileCount; ++row) table.setSelected(row, true);
    countProfiles(codePageNamed(codePageName));
    return found;
  } catch (const mirrex::BaseError& error) {
    reportFailure(error);
    return -1;
  }
}

// Chooses the profile of `row` (as told by pageProfile), or leaves it out.
EMSCRIPTEN_KEEPALIVE void placemoveSelect(int row, int selected) {
  if (row >= 0 && row < table.profileCount) table.setSelected(row, selected != 0);
}

// Writes the chosen profiles as the bookmarks file and the AOL-only links
// as their list (pageOutput), and tells the page the summary. Returns the exit code
// placemove-cli would give (RunSummary.h), or -1 after a failure.
EMSCRIPTEN_KEEPALIVE int placemoveExport(const char* folder, const char* codePageName) {
  try {
    RunCounts counts;
    PageProfileReader reader(static_cast<DWORD>(table.totalItemCount));
    writeExport(folder, codePageNamed(codePageName), counts, reader);
    counts.damagedProfiles = reader.damagedProfiles();
    counts.unreadableProfiles += unreadableFileCount();
    PageSummaryLines lines;
    writeExportSummary(counts, AolLinksName, lines);
    return exitCode(counts);
  } catch (const mirrex::BaseError& error) {
    reportFailure(error);
    return -1;
  }
}

}  // extern "C"
