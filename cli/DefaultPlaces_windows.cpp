// On Windows: the directory the installation locator proposes, the user's
// Favorites folder, and the ANSI code page of a Western machine.
#include "cli/DefaultPlaces.h"

#include "aol/AolLocator.h"
#include "cli/Console.h"

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

bool defaultAolDirectory(char* directory) {
  if (findAolDirectory(directory, MAX_PATH) > 0) return true;
  printProblem("no AOL installation found: name the profile directory (DIR)");
  return false;
}

bool defaultFavoritesPath(char* path) {
  LPITEMIDLIST location = nullptr;
  HRESULT result = SHGetSpecialFolderLocation(nullptr, CSIDL_FAVORITES, &location);
  if (FAILED(result)) throw mirrex::Win32Error("SHGetSpecialFolderLocation", static_cast<DWORD>(result));
  BOOL found = SHGetPathFromIDListA(location, path);
  CoTaskMemFree(location);
  if (found) return true;
  printProblem("there is no Favorites folder: name the folder to import into (--to FOLDER)");
  return false;
}

const CodePage& commandLineCodePage() { return CodePage::standard(); }
