#include "app/ProfileImport.h"

#include "aol/organize/FavoritePlaces.h"
#include "favorites/FavoritesFolderWriter.h"
#include "favorites/Names.h"
#include "favorites/Paths.h"
#include "favorites/Texts.h"

#include <windows.h>
#include <commctrl.h>

namespace {

// Imports one selected row: straight into the root when it is the only row
// selected, else into its own folder.
void importRow(const ProfileTable& table, const ProfileEntry& entry, const char* root, HWND progressBar) {
  if (table.selectedCount == 1) {
    ImportProfile(entry.profilePath, root, progressBar);
    return;
  }
  char folder[JoinedPathSize];
  if (profileFolder(root, entry.screenName, folder)) ImportProfile(entry.profilePath, folder, progressBar);
}

void setPosition(HWND progressBar, DWORD position) {
  if (progressBar != nullptr) SendMessageA(progressBar, PBM_SETPOS, position, 0);
}

}  // namespace

bool destinationRoot(const char* favoritesPath, const char* destinationName, char* root) {
  char name[MAX_PATH];
  return makeFolderName(destinationName, name, MAX_PATH) < MAX_PATH &&
         joinPath(favoritesPath, name, root, JoinedPathSize);
}

bool profileFolder(const char* root, const char* screenName, char* folder) {
  char name[MAX_PATH];
  DWORD length = makeFolderName(screenName, name, MAX_PATH);
  if (length == MAX_PATH) return false;
  if (length == 0) copyText("%", name, MAX_PATH);
  if (!joinPath(root, name, folder, JoinedPathSize)) return false;
  // A screen name with backslashes makes nested folders: all are made.
  createDirectoryTree(folder);
  return true;
}

void ImportProfile(const char* profilePath, const char* targetFolder, HWND progressBar) {
  FavoritesFolderWriter writer(targetFolder, progressBar);
  readFavoritePlaces(profilePath, writer);
}

void importSelectedProfiles(const ProfileTable& table, const char* destinationName, const char* favoritesPath,
                            HWND progressBar) {
  // An existing folder is used as it is; one that cannot be made leaves
  // the writer's files to fail one by one. A refused destination name
  // imports nothing.
  char root[JoinedPathSize];
  bool hasRoot = destinationRoot(favoritesPath, destinationName, root);
  if (hasRoot) createDirectoryTree(root);

  // Whatever number of steps a profile took, each ends where the item
  // counts say it does.
  DWORD imported = 0;
  for (int row = 0; row < table.profileCount && row < MaxProfiles; ++row) {
    const ProfileEntry& entry = table.entries[row];
    if (!entry.selected) continue;
    if (hasRoot) importRow(table, entry, root, progressBar);
    imported += entry.itemCount;
    setPosition(progressBar, imported);
  }
  setPosition(progressBar, static_cast<DWORD>(table.totalItemCount));
}
