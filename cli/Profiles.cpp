#include "cli/Profiles.h"

#include "aol/DamageText.h"
#include "aol/organize/FavoritePlaces.h"
#include "aol/ProfileDiscovery.h"
#include "cli/Console.h"
#include "cli/DefaultPlaces.h"
#include "cli/FileQueries.h"
#include "cli/NativeText.h"
#include "cli/UserPath.h"
#include "support/Errors.h"

namespace {

// The row of the profile of that screen name, as the user types it, or -1.
int findRow(const ProfileList& table, const char* screenName, const CodePage& codePage) {
  for (int row = 0; row < table.profileCount; ++row) {
    char native[LineSize];
    if (nativeText(table.entries[row].screenName, codePage, native, LineSize) && lstrcmpA(native, screenName) == 0) {
      return row;
    }
  }
  return -1;
}

// One line: the profile, what could not be read, and what is known to be
// left out.
void printDamage(const ProfileEntry& entry, const organize::ReadReport& report) {
  char shown[MAX_PATH];
  showPath(entry.profilePath, shown, MAX_PATH);
  char line[DamageTextSize];
  describeDamage(shown, report, line);
  printProblem("%s", line);
}

}  // namespace

int chooseDirectory(const Options& options, char* directory) {
  if (options.directory == nullptr) {
    if (defaultAolDirectory(directory)) return 0;
    printTryHelp();
    return 2;
  }
  if (!takeUserPath(options.directory, directory, MAX_PATH)) {
    printProblem("the directory name is too long: %s", options.directory);
    return 2;
  }
  if (pathExists(directory) && !isDirectory(directory)) {
    char shown[MAX_PATH];
    showPath(directory, shown, MAX_PATH);
    printProblem("'%s' is not a folder", shown);
    return 1;
  }
  return 0;
}

int findProfiles(const Options& options, ProfileList& table) {
  char directory[MAX_PATH];
  int code = chooseDirectory(options, directory);
  if (code != 0) return code;
  char shown[MAX_PATH];
  showPath(directory, shown, MAX_PATH);
  int found = discoverProfiles(directory, table);
  if (found < 0) return 1;
  if (found == 0) {
    printProblem("no AOL profiles in '%s'", shown);
    return 1;
  }
  for (DWORD i = 0; i < options.profileCount; ++i) {
    int row = findRow(table, options.profiles[i], *options.codePage);
    if (row < 0) {
      printProblem("no profile '%s' in '%s'", options.profiles[i], shown);
      printError("Try 'placemove-cli list %s' for the profiles there.", shown);
      return 2;
    }
    table.setSelected(row, true);
  }
  if (options.profileCount == 0) {
    for (int row = 0; row < table.profileCount; ++row) table.setSelected(row, true);
  }
  return 0;
}

bool readProfile(const ProfileEntry& entry, FavoritesSink& sink, TerminalProgress& progress, RunCounts& counts) {
  ProgressSink stepping(sink, progress);
  try {
    organize::ReadReport report = readFavoritePlaces(entry.profilePath, stepping);
    progress.erase();
    if (report.damaged()) {
      ++counts.damagedProfiles;
      printDamage(entry, report);
    }
    return true;
  } catch (const mirrex::FileError&) {
    // The output could not be written (the reader's own failures are
    // Win32Errors): not this profile's fault, and the end of the command.
    throw;
  } catch (const mirrex::BaseError& error) {
    // The second catch site of placemove-cli (the first is main): a profile
    // that cannot be read ends its own walk only.
    progress.erase();
    char text[LineSize];
    errorLine(error, text, LineSize);
    char shown[MAX_PATH];
    showPath(entry.profilePath, shown, MAX_PATH);
    printProblem("cannot read the profile '%s': %s", shown, text);
    return false;
  }
}
