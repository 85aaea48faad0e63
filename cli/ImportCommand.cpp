// import: the chosen profiles as folders and Internet Shortcut files, as
// the wizard writes them.
#include "cli/ImportCommand.h"

#include "app/ProfileImport.h"
#include "cli/Console.h"
#include "cli/ConsoleMessages.h"
#include "favorites/CountingSink.h"
#include "cli/DefaultPlaces.h"
#include "cli/FileQueries.h"
#include "cli/NativeText.h"
#include "cli/OutputChecks.h"
#include "cli/ProfileFolders.h"
#include "cli/Profiles.h"
#include "cli/Summary.h"
#include "cli/TerminalProgress.h"
#include "cli/UserPath.h"
#include "favorites/FavoritesFolderWriter.h"
#include "favorites/Paths.h"

namespace {

ProfileList table;
// Whether a folder that cannot be written in was named.
bool unwritableNamed = false;

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

// Makes the folder with its parents; an existing one is used as it is.
// ERROR_SUCCESS when the folder is there, else the system's error code.
DWORD makeFolder(const char* folder) {
  createDirectoryTree(folder);
  DWORD code = GetLastError();
  if (isDirectory(folder)) return ERROR_SUCCESS;
  return code != ERROR_SUCCESS ? code : ERROR_PATH_NOT_FOUND;
}

// "<what> '<folder>': <the system's text of the error code>", on one line.
void printFolderProblem(const char* what, const char* folder, DWORD code) {
  char shown[MAX_PATH];
  showPath(folder, shown, MAX_PATH);
  char text[LineSize] = "";
  FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text, LineSize, nullptr);
  char reason[LineSize];
  oneLine(text, reason, LineSize);
  printProblem("%s '%s': %s", what, shown, reason);
}

// A folder that cannot be made or written in: named once, the first time;
// the counts tell the rest.
void nameUnwritable(const char* what, const char* folder, DWORD code) {
  if (unwritableNamed) return;
  unwritableNamed = true;
  printFolderProblem(what, folder, code);
}

void add(const ImportCounts& written, RunCounts& counts) {
  counts.folders += written.folders;
  counts.favorites += written.favorites;
  counts.replaced += written.replaced;
  counts.replacedOlder += written.replacedOlder;
  counts.pathTooLong += written.pathTooLong;
  counts.invalidName += written.invalidName;
  counts.notWritten += written.notWritten;
  counts.scriptUrls += written.scriptUrls;
}

// A profile without a place of its own: everything it holds is counted
// under `reason`, its folder as well.
bool countWithoutPlace(const ProfileEntry& entry, TerminalProgress& progress, RunCounts& counts, DWORD& reason) {
  CountingSink sink;
  bool read = readProfile(entry, sink, progress, counts);
  reason += 1 + sink.favorites + sink.folders;
  return read;
}

// One profile: straight into the root when it is the only one chosen, else
// into its own folder.
bool importRow(const ProfileEntry& entry, const Options& options, const char* root, ProfileFolders& folders,
               TerminalProgress& progress, RunCounts& counts) {
  char screenName[LineSize];
  nativeText(entry.screenName, *options.codePage, screenName, LineSize);
  char folder[JoinedPathSize];
  if (table.selectedCount == 1) {
    copyText(root, folder, JoinedPathSize);
  } else if (!folders.choose(root, screenName, folder)) {
    // A screen name too long for a folder: the profile has no place.
    return countWithoutPlace(entry, progress, counts, counts.pathTooLong);
  } else {
    DWORD code = makeFolder(folder);
    if (code != ERROR_SUCCESS) {
      nameUnwritable("cannot make the folder", folder, code);
      return countWithoutPlace(entry, progress, counts,
                               code == ERROR_INVALID_NAME ? counts.invalidName : counts.notWritten);
    }
    // Counted as the bookmarks file counts a profile's folder.
    ++counts.folders;
  }
  FavoritesFolderWriter writer(folder, nullptr);
  NativeTitleSink native(writer, *options.codePage);
  bool read = readProfile(entry, native, progress, counts);
  const ImportCounts& written = writer.counts();
  add(written, counts);
  // Items failing where nothing at all could be written: the folder's own
  // failure, read-only or gone.
  if (written.destinationError != ERROR_SUCCESS && written.folders + written.favorites == 0) {
    nameUnwritable("cannot write in", folder, written.destinationError);
  }
  return read;
}

}  // namespace

int runImport(const Options& options) {
  char root[JoinedPathSize];
  int code = chooseRoot(options, root);
  char directory[MAX_PATH];
  if (code == 0) code = chooseDirectory(options, directory);
  if (code == 0) code = checkImportFolder(directory, root);
  if (code != 0) return code;
  code = findProfiles(options, table);
  if (code != 0) return code;
  DWORD made = makeFolder(root);
  if (made != ERROR_SUCCESS) {
    printFolderProblem("cannot make the folder", root, made);
    releaseProfiles(table);
    return 1;
  }

  RunCounts counts;
  TerminalProgress progress(static_cast<DWORD>(table.totalItemCount));
  ProfileFolders folders(static_cast<DWORD>(table.selectedCount));
  for (int row = 0; row < table.profileCount; ++row) {
    const ProfileEntry& entry = table.entries[row];
    if (!entry.selected) continue;
    if (importRow(entry, options, root, folders, progress, counts)) {
      ++counts.profilesRead;
    } else {
      ++counts.unreadableProfiles;
    }
  }
  counts.unreadableProfiles += unreadableFileCount();
  printImportSummary(counts);
  releaseProfiles(table);
  // Items to write of which none could be written: nothing was imported.
  bool nothingWritten = counts.folders + counts.favorites == 0 && counts.invalidName + counts.notWritten > 0;
  return nothingWritten ? 1 : exitCode(counts);
}
