#include "cli/Profiles.h"

#include "aol/organize/FavoritePlaces.h"
#include "aol/ProfileDiscovery.h"
#include "cli/Console.h"
#include "cli/DefaultPlaces.h"
#include "cli/UserPath.h"
#include "support/Errors.h"

namespace {

// The row of the profile of that screen name, or -1.
int findRow(const ProfileList& table, const char* screenName) {
  for (int row = 0; row < table.profileCount; ++row) {
    if (lstrcmpA(table.entries[row].screenName, screenName) == 0) return row;
  }
  return -1;
}

void select(ProfileList& table, int row) {
  ProfileEntry& entry = table.entries[row];
  if (entry.selected) return;
  entry.selected = true;
  ++table.selectedCount;
  table.totalItemCount += static_cast<int>(entry.itemCount);
}

// Appends ", " and the count with its text when the count is not 0.
void appendCount(char* line, DWORD count, const char* what) {
  if (count == 0) return;
  DWORD length = static_cast<DWORD>(lstrlenA(line));
  if (length + 64 >= LineSize) return;
  wsprintfA(line + length, "%s%u %s", length > 0 ? ", " : "", static_cast<unsigned>(count), what);
}

// One line: the profile, what could not be read, and what is known to be
// left out.
void printDamage(const ProfileEntry& entry, const organize::ReadReport& report) {
  char causes[LineSize] = "";
  appendCount(causes, report.pastEnd, "records past the end of the file");
  appendCount(causes, report.broken, "broken records");
  appendCount(causes, report.tooLong, "records over 1 MiB");
  appendCount(causes, report.overBudget, "records past the reading budget");
  appendCount(causes, report.cyclesCut, "cycles cut");
  appendCount(causes, report.indexEntriesCut, "index entries past its 16 MiB bound");
  appendCount(causes, report.nestingCut, "folders nested deeper than 1024 levels");
  char shown[MAX_PATH];
  showPath(entry.profilePath, shown, MAX_PATH);
  printProblem("the profile '%s' is damaged and was read in part: %s; left out: %s%u favourites and %u folders%s",
               shown, causes, report.leftOutUncounted ? "at least " : "",
               static_cast<unsigned>(report.favoritesLeftOut), static_cast<unsigned>(report.foldersLeftOut),
               report.pastEnd + report.broken + report.tooLong + report.overBudget + report.indexEntriesCut > 0
                   ? ", and what followed the records not read"
                   : "");
}

}  // namespace

int findProfiles(const Options& options, ProfileList& table) {
  char directory[MAX_PATH];
  if (options.directory == nullptr) {
    if (!defaultAolDirectory(directory)) {
      printTryHelp();
      return 2;
    }
  } else if (!takeUserPath(options.directory, directory, MAX_PATH)) {
    printProblem("the directory name is too long: %s", options.directory);
    return 2;
  }
  char shown[MAX_PATH];
  showPath(directory, shown, MAX_PATH);
  table.release();
  int found = discoverProfiles(directory, table);
  if (found < 0) return 1;
  if (found == 0) {
    printProblem("no AOL profiles in '%s'", shown);
    return 1;
  }
  for (DWORD i = 0; i < options.profileCount; ++i) {
    int row = findRow(table, options.profiles[i]);
    if (row < 0) {
      printProblem("no profile '%s' in '%s'", options.profiles[i], shown);
      printError("Try 'placemove-cli list %s' for the profiles there.", shown);
      return 2;
    }
    select(table, row);
  }
  if (options.profileCount == 0) {
    for (int row = 0; row < table.profileCount; ++row) select(table, row);
  }
  return 0;
}

bool readProfile(const ProfileEntry& entry, FavoritesSink& sink, RunCounts& counts) {
  try {
    organize::ReadReport report = readFavoritePlaces(entry.profilePath, sink);
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
    char text[LineSize];
    errorLine(error, text, LineSize);
    char shown[MAX_PATH];
    showPath(entry.profilePath, shown, MAX_PATH);
    printProblem("cannot read the profile '%s': %s", shown, text);
    return false;
  }
}
