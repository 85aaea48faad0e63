#include "app/FavoritesFolder.h"

#include "app/ProcessState.h"
#include "support/Errors.h"

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

FavoritesFolder::FavoritesFolder() {
  HRESULT result = SHGetSpecialFolderLocation(nullptr, CSIDL_FAVORITES, &favoritesLocation);
  if (FAILED(result)) {
    favoritesLocation = nullptr;
    throw mirrex::Win32Error("SHGetSpecialFolderLocation", static_cast<DWORD>(result));
  }
  if (!SHGetPathFromIDListA(favoritesLocation, favoritesPath)) {
    // The call sets no error code: the folder has no file-system path.
    favoritesPath[0] = '\0';
    CoTaskMemFree(favoritesLocation);
    favoritesLocation = nullptr;
    throw mirrex::Win32Error("SHGetPathFromIDList", ERROR_PATH_NOT_FOUND);
  }
}

FavoritesFolder::~FavoritesFolder() {
  CoTaskMemFree(favoritesLocation);
  favoritesLocation = nullptr;
}
