// import: the chosen profiles as folders and Internet Shortcut files, as
// the wizard writes them.
#include "cli/ImportCommand.h"

#include "app/ProfileImport.h"
#include "cli/Console.h"
#include "cli/ConsoleMessages.h"
#include "cli/DefaultPlaces.h"
#include "cli/FileQueries.h"
#include "cli/Profiles.h"
#include "cli/Summary.h"
#include "cli/TerminalProgress.h"
#include "cli/UserPath.h"
#include "favorites/FavoritesFolderWriter.h"
#include "favorites/Paths.h"

namespace {

ProfileList table;

// The folder to import into in `root` (JoinedPathSize): --to as it is, or
// the destination folder below Favorites, as the wizard makes it. Returns
// 0, or the exit code after the message shown.
int chooseRoot(const Options& options, char* root) {
  if (options.to != nullptr) {
    if (takeUserPath(options.to, root, MAX_PATH)) return 0;
    printProblem("the folder name is too long: %s", options.to);
    return 2;
  }
  char favorites[MAX_PATH];
  if (!defaultFavoritesPath(favorites)) {
    printTryHelp();
    return 2;
  }
  const char* name = options.folder != nullptr ? options.folder : DefaultFolderName;
  if (destinationRoot(favorites, name, root)) return 0;
  printProblem("'%s' cannot be the name of a folder below Favorites", name);
  return 2;
}

// Makes the root with its parents; an existing folder is used as it is.
bool makeRoot(const char* root) {
  createDirectoryTree(root);
  return isDirectory(root);
}

void add(const ImportCounts& written, RunCounts& counts) {
  counts.folders += written.folders;
  counts.favorites += written.favorites;
  counts.pathTooLong += written.pathTooLong;
  counts.invalidName += written.invalidName;
  counts.notWritten += written.notWritten;
}

// One profile: straight into the root when it is the only one chosen, else
// into its own folder.
void importRow(const ProfileEntry& entry, const char* root, TerminalProgress& progress, RunCounts& counts) {
  char folder[JoinedPathSize];
  if (table.selectedCount == 1) {
    copyText(root, folder, JoinedPathSize);
  } else if (profileFolder(root, entry.screenName, folder)) {
    // Counted as the bookmarks file counts a profile's folder.
    if (isDirectory(folder)) ++counts.folders;
  } else {
    // A screen name too long for a folder: the profile has no place.
    ++counts.pathTooLong;
    return;
  }
  FavoritesFolderWriter writer(folder, nullptr);
  bool read = readProfile(entry, writer, progress, counts);
  add(writer.counts(), counts);
  if (read) {
    ++counts.profilesRead;
  } else {
    ++counts.unreadableProfiles;
  }
}

}  // namespace

int runImport(const Options& options) {
  char root[JoinedPathSize];
  int code = chooseRoot(options, root);
  if (code != 0) return code;
  code = findProfiles(options, table);
  if (code != 0) return code;
  char shown[MAX_PATH];
  showPath(root, shown, MAX_PATH);
  if (!makeRoot(root)) {
    printProblem("cannot make the folder '%s'", shown);
    releaseProfiles(table);
    return 1;
  }

  RunCounts counts;
  TerminalProgress progress(static_cast<DWORD>(table.totalItemCount));
  for (int row = 0; row < table.profileCount; ++row) {
    if (table.entries[row].selected) importRow(table.entries[row], root, progress, counts);
  }
  counts.unreadableProfiles += unreadableFileCount();
  printImportSummary(counts);
  releaseProfiles(table);
  // Items to write of which none could be written: nothing was imported.
  bool nothingWritten = counts.folders + counts.favorites == 0 && counts.invalidName + counts.notWritten > 0;
  return nothingWritten ? 1 : exitCode(counts);
}
