// export: the chosen profiles as one bookmarks file, written in full or
// not at all.
#include "cli/ExportCommand.h"

#include "bookmarks/BookmarksFileWriter.h"
#include "cli/Console.h"
#include "cli/ConsoleMessages.h"
#include "cli/DefaultPlaces.h"
#include "cli/FileQueries.h"
#include "cli/Profiles.h"
#include "cli/SafeOutputFile.h"
#include "cli/Summary.h"
#include "cli/TerminalProgress.h"
#include "cli/UserPath.h"
#include "favorites/Timestamp.h"

#include <cstring>

namespace {

ProfileList table;

const char DefaultOutput[] = "bookmarks.html";

// A file to write that is there already and may not be replaced: told, and
// true.
bool refusedOverwrite(const char* path, const Options& options) {
  if (options.force || !pathExists(path)) return false;
  char shown[MAX_PATH];
  showPath(path, shown, MAX_PATH);
  printProblem("'%s' exists; give --force to replace it", shown);
  return true;
}

// Writes the chosen profiles: a lone one straight into the top folder,
// several in a folder each, named after the screen name.
void writeProfiles(BookmarksFileWriter& writer, RunCounts& counts) {
  TerminalProgress progress(static_cast<DWORD>(table.totalItemCount));
  for (int row = 0; row < table.profileCount; ++row) {
    const ProfileEntry& entry = table.entries[row];
    if (!entry.selected) continue;
    bool ownFolder = table.selectedCount > 1;
    if (ownFolder) {
      writer.beginFolder();
      writer.setTitle(entry.screenName);
      writer.enterFolder();
    }
    DWORD depth = writer.depth();
    bool read = readProfile(entry, writer, progress, counts);
    if (read) {
      ++counts.profilesRead;
    } else {
      ++counts.unreadableProfiles;
      writer.closeFolders(depth);
    }
    if (ownFolder) {
      writer.leaveFolder();
      writer.endFolder();
    }
  }
}

// The whole file to `out`, the AOL-only links to `aolLinks` (may be null).
void writeBookmarks(const Options& options, const CodePage& codePage, OutputStream& out, OutputStream* aolLinks,
                    RunCounts& counts) {
  BufferedOutputStream buffer(&out);
  BookmarksFileWriter writer(buffer, codePage, Timestamp::now().value() / TimestampSecond);
  writer.keepAolLinksIn(aolLinks);
  if (options.folder != nullptr) {
    writer.openTopFolder(options.folder, commandLineCodePage());
  } else {
    writer.openTopFolder(DefaultFolderName, CodePage::standard());
  }
  writeProfiles(writer, counts);
  writer.finish();
  buffer.flush();
  const BookmarkCounts& written = writer.counts();
  counts.folders = written.folders;
  counts.favorites = written.favorites;
  counts.scriptUrls = written.scriptUrls;
  counts.flattenedFolders = written.flattenedFolders;
  counts.aolOnlyLinks = written.aolOnlyLinks;
}

// The file to `out`, and the list of AOL-only links to `linksPath` when
// one is asked for.
void writeFiles(const Options& options, const CodePage& codePage, OutputStream& out, const char* linksPath,
                RunCounts& counts) {
  if (options.aolLinks == nullptr) {
    writeBookmarks(options, codePage, out, nullptr, counts);
    return;
  }
  SafeOutputFile links(linksPath);
  BufferedOutputStream buffer(&links.stream());
  writeBookmarks(options, codePage, out, &buffer, counts);
  buffer.flush();
  links.commit(options.force);
}

}  // namespace

int runExport(const Options& options) {
  const CodePage* codePage = options.codePage != nullptr ? CodePage::find(options.codePage) : &CodePage::standard();
  if (codePage == nullptr) {
    printProblem("unknown code page '%s'", options.codePage);
    printTryHelp();
    return 2;
  }
  const char* output = options.output != nullptr ? options.output : DefaultOutput;
  bool toStandardOutput = std::strcmp(output, "-") == 0;
  char path[MAX_PATH];
  char linksPath[MAX_PATH];
  const char* tooLong = !toStandardOutput && !takeUserPath(output, path, MAX_PATH) ? output : nullptr;
  if (options.aolLinks != nullptr && !takeUserPath(options.aolLinks, linksPath, MAX_PATH)) tooLong = options.aolLinks;
  if (tooLong != nullptr) {
    printProblem("the file name is too long: %s", tooLong);
    return 2;
  }
  if (!toStandardOutput && refusedOverwrite(path, options)) return 1;
  if (options.aolLinks != nullptr && refusedOverwrite(linksPath, options)) return 1;

  int code = findProfiles(options, table);
  if (code != 0) return code;
  RunCounts counts;
  if (toStandardOutput) {
    StandardOutputStream out;
    writeFiles(options, *codePage, out, linksPath, counts);
  } else {
    // Made beside the target, the file takes its name only when everything
    // is written; so does the list.
    SafeOutputFile file(path);
    writeFiles(options, *codePage, file.stream(), linksPath, counts);
    file.commit(options.force);
  }
  counts.unreadableProfiles += unreadableFileCount();
  printExportSummary(counts, options.aolLinks);
  releaseProfiles(table);
  return exitCode(counts);
}
