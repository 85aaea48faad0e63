// list: the profiles of the directory, each walked to count what it holds.
#include "cli/ListCommand.h"

#include "cli/Console.h"
#include "cli/ConsoleMessages.h"
#include "favorites/CountingSink.h"
#include "cli/NativeText.h"
#include "cli/Profiles.h"
#include "cli/Summary.h"
#include "cli/TerminalProgress.h"
#include "cli/UserPath.h"

namespace {

ProfileList table;

}  // namespace

int runList(const Options& options) {
  int code = findProfiles(options, table);
  if (code != 0) return code;
  RunCounts counts;
  TerminalProgress progress(static_cast<DWORD>(table.totalItemCount));
  printOut("%-24s %10s %8s  %s", "SCREEN NAME", "FAVOURITES", "FOLDERS", "FILE");
  for (int row = 0; row < table.profileCount; ++row) {
    const ProfileEntry& entry = table.entries[row];
    CountingSink sink;
    bool read = readProfile(entry, sink, progress, counts);
    if (!read) {
      ++counts.unreadableProfiles;
      continue;
    }
    ++counts.profilesRead;
    char shown[MAX_PATH];
    showPath(entry.profilePath, shown, MAX_PATH);
    char screenName[LineSize];
    nativeText(entry.screenName, *options.codePage, screenName, LineSize);
    printOut("%-24s %10u %8u  %s", screenName, static_cast<unsigned>(sink.favorites),
             static_cast<unsigned>(sink.folders), shown);
  }
  counts.unreadableProfiles += unreadableFileCount();
  printListSummary(counts);
  releaseProfiles(table);
  return exitCode(counts);
}
