// export: the chosen profiles as one bookmarks file, written in full or
// not at all.
#include "cli/ExportCommand.h"

#include "bookmarks/BookmarksExport.h"
#include "cli/Console.h"
#include "cli/ConsoleMessages.h"
#include "cli/DefaultPlaces.h"
#include "cli/OutputChecks.h"
#include "cli/Profiles.h"
#include "favorites/SafeOutputFile.h"
#include "cli/Summary.h"
#include "cli/TerminalProgress.h"
#include "cli/UserPath.h"
#include "favorites/Timestamp.h"

#include <cstring>

namespace {

ProfileList table;

const char DefaultOutput[] = "bookmarks.html";

// Reads each profile with the console's progress and messages.
class ConsoleProfileReader : public ProfileReader {
 public:
  explicit ConsoleProfileReader(RunCounts& counts)
      : counts_(counts), progress_(static_cast<DWORD>(table.totalItemCount)) {}

  bool read(const ProfileEntry& entry, FavoritesSink& sink) override {
    return readProfile(entry, sink, progress_, counts_);
  }

 private:
  RunCounts& counts_;
  TerminalProgress progress_;
};

// The whole file to `out`, the AOL-only links to `aolLinks` (may be null).
void writeBookmarks(const Options& options, const CodePage& codePage, OutputStream& out, OutputStream* aolLinks,
                    RunCounts& counts) {
  BufferedOutputStream buffer(&out);
  BookmarksFileWriter writer(buffer, codePage, Timestamp::now().value() / TimestampSecond);
  writer.keepAolLinksIn(aolLinks);
  ConsoleProfileReader reader(counts);
  if (options.folder != nullptr) {
    writeBookmarksFile(writer, options.folder, commandLineCodePage(), table, reader, counts);
  } else {
    writeBookmarksFile(writer, DefaultFolderName, CodePage::standard(), table, reader, counts);
  }
  buffer.flush();
}

// Reads the chosen profiles and writes the file to `out`, and the list of
// AOL-only links to `links` when one is asked for; then the files made
// beside their targets (`file`, `links`, may be null) take their names.
int exportProfiles(const Options& options, const CodePage& codePage, OutputStream& out, SafeOutputFile* file,
                   SafeOutputFile* links) {
  int code = findProfiles(options, table);
  if (code != 0) return code;
  RunCounts counts;
  if (links == nullptr) {
    writeBookmarks(options, codePage, out, nullptr, counts);
  } else {
    BufferedOutputStream buffer(&links->stream());
    writeBookmarks(options, codePage, out, &buffer, counts);
    buffer.flush();
    links->commit(options.force);
  }
  if (file != nullptr) file->commit(options.force);
  counts.unreadableProfiles += unreadableFileCount();
  printExportSummary(counts, options.aolLinks);
  releaseProfiles(table);
  return exitCode(counts);
}

// The list of AOL-only links, when one is asked for, made beside its target.
int exportWithLinks(const Options& options, const CodePage& codePage, OutputStream& out, SafeOutputFile* file,
                    const char* linksPath) {
  if (options.aolLinks == nullptr) return exportProfiles(options, codePage, out, file, nullptr);
  SafeOutputFile links(linksPath);
  return exportProfiles(options, codePage, out, file, &links);
}

}  // namespace

int runExport(const Options& options) {
  const char* output = options.output != nullptr ? options.output : DefaultOutput;
  bool toStandardOutput = std::strcmp(output, "-") == 0;
  char path[UserPathSize];
  char linksPath[UserPathSize];
  const char* tooLong = !toStandardOutput && !takeUserPath(output, path, UserPathSize) ? output : nullptr;
  if (options.aolLinks != nullptr && !takeUserPath(options.aolLinks, linksPath, UserPathSize)) {
    tooLong = options.aolLinks;
  }
  if (tooLong != nullptr) {
    printProblem("the file name is too long: %s", tooLong);
    return 2;
  }
  char directory[MAX_PATH];
  int code = chooseDirectory(options, directory);
  if (code == 0) {
    code = checkExportOutputs(directory, toStandardOutput ? nullptr : path,
                              options.aolLinks != nullptr ? linksPath : nullptr, options.force);
  }
  if (code != 0) return code;

  // The files are made beside their targets before any profile is read, so
  // that a name the system refuses ends the run before any work; each takes
  // its name only when everything is written.
  if (toStandardOutput) {
    StandardOutputStream out;
    return exportWithLinks(options, *options.codePage, out, nullptr, linksPath);
  }
  SafeOutputFile file(path);
  return exportWithLinks(options, *options.codePage, file.stream(), &file, linksPath);
}
