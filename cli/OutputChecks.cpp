#include "cli/OutputChecks.h"

#include "cli/Console.h"
#include "cli/FileQueries.h"
#include "cli/PlatformFiles.h"
#include "cli/UserPath.h"
#include "favorites/Texts.h"

#include <windows.h>

namespace {

// Where a path would be written: the file there, if any, and the folder
// it lies in with its name there.
struct Place {
  bool exists;
  FileIdentity file;
  bool folderKnown;
  FileIdentity folder;
  const char* name;  // within the path
};

Place placeOf(const char* path) {
  Place place{};
  place.exists = fileIdentity(path, place.file);
  place.name = path;
  for (const char* c = path; *c != '\0'; ++c) {
    if (*c == '\\' || *c == '/') place.name = c + 1;
  }
  // The folder without the separator behind it, but for a root ("\", "C:\").
  DWORD length = static_cast<DWORD>(place.name - path);
  if (length > 1 && path[length - 2] != ':') --length;
  char folder[UserPathSize];
  copyChars(length == 0 ? "." : path, length == 0 ? 1 : length, folder, UserPathSize);
  place.folderKnown = fileIdentity(folder, place.folder);
  return place;
}

// True when a file of `directory`, by its name there, is `file`.
bool isFileOf(const char* directory, const FileIdentity& file) {
  char path[UserPathSize];
  DWORD length = copyText(directory, path, UserPathSize);
  if (length > 0 && path[length - 1] != '\\' && path[length - 1] != '/') path[length++] = '\\';
  copyText("*", path + length, UserPathSize - length);
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA(path, &entry);
  if (search == INVALID_HANDLE_VALUE) return false;
  bool found = false;
  do {
    if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) continue;
    FileIdentity identity;
    found = copyText(entry.cFileName, path + length, UserPathSize - length) < UserPathSize - length &&
            fileIdentity(path, identity) && sameFile(identity, file);
  } while (!found && FindNextFileA(search, &entry));
  FindClose(search);
  return found;
}

// Writing `place` would write into the profile folder `directory`, whose
// identity is `folder`: told, and true.
bool refusedInput(const char* path, const Place& place, const char* directory, const FileIdentity& folder) {
  bool into = (place.folderKnown && sameFile(place.folder, folder)) ||
              (place.exists && (sameFile(place.file, folder) || isFileOf(directory, place.file)));
  if (!into) return false;
  char shown[UserPathSize];
  char shownDirectory[UserPathSize];
  showPath(path, shown, UserPathSize);
  showPath(directory, shownDirectory, UserPathSize);
  printProblem("'%s' would write into the AOL profile folder '%s', which placemove-cli only reads", shown,
               shownDirectory);
  return true;
}

// A path that cannot take a file: a folder, or a symbolic link to nothing
// (whether to replace the link or to make its target is not for us to
// guess). Told, and true.
bool refusedKind(const char* path) {
  char shown[UserPathSize];
  showPath(path, shown, UserPathSize);
  if (isDirectory(path)) {
    printProblem("'%s' is a folder", shown);
    return true;
  }
  if (isDanglingLink(path)) {
    printProblem("'%s' is a symbolic link to a file that is not there", shown);
    return true;
  }
  return false;
}

// True when two places are one file: both there and one, or both to be
// made under one name in one folder.
bool samePlace(const Place& first, const Place& second) {
  if (first.exists || second.exists) return first.exists && second.exists && sameFile(first.file, second.file);
  return first.folderKnown && second.folderKnown && sameFile(first.folder, second.folder) &&
         sameEntryName(first.name, second.name);
}

}  // namespace

int checkExportOutputs(const char* directory, const char* output, const char* aolLinks, bool replace) {
  FileIdentity folder;
  bool folderKnown = fileIdentity(directory, folder);
  const char* const paths[] = {output, aolLinks};
  Place places[2] = {};
  for (int i = 0; i < 2; ++i) {
    if (paths[i] == nullptr) continue;
    if (refusedKind(paths[i])) return 2;
    places[i] = placeOf(paths[i]);
    if (folderKnown && refusedInput(paths[i], places[i], directory, folder)) return 2;
  }
  if (output != nullptr && aolLinks != nullptr && samePlace(places[0], places[1])) {
    char shown[UserPathSize];
    showPath(aolLinks, shown, UserPathSize);
    printProblem("-o and --aol-links name one file, '%s': give each its own", shown);
    return 2;
  }
  for (const char* path : paths) {
    if (path == nullptr || replace || !pathExists(path)) continue;
    char shown[UserPathSize];
    showPath(path, shown, UserPathSize);
    printProblem("'%s' exists; give --force to replace it", shown);
    return 1;
  }
  return 0;
}

int checkImportFolder(const char* directory, const char* root) {
  FileIdentity folder;
  if (!fileIdentity(directory, folder)) return 0;
  return refusedInput(root, placeOf(root), directory, folder) ? 2 : 0;
}
