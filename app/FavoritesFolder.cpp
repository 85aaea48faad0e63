#include "app/FavoritesFolder.h"

#include "support/Errors.h"

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

FavoritesFolder::FavoritesFolder(LPITEMIDLIST& location, char (&path)[MAX_PATH]) : location_(location) {
  HRESULT result = SHGetSpecialFolderLocation(nullptr, CSIDL_FAVORITES, &location_);
  if (FAILED(result)) {
    location_ = nullptr;
    throw mirrex::Win32Error("SHGetSpecialFolderLocation", static_cast<DWORD>(result));
  }
  if (!SHGetPathFromIDListA(location_, path)) {
    // The call sets no error code: the folder has no file-system path.
    path[0] = '\0';
    CoTaskMemFree(location_);
    location_ = nullptr;
    throw mirrex::Win32Error("SHGetPathFromIDList", ERROR_PATH_NOT_FOUND);
  }
}

FavoritesFolder::~FavoritesFolder() {
  CoTaskMemFree(location_);
  location_ = nullptr;
}
