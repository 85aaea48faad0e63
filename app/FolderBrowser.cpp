#include "app/FolderBrowser.h"

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

bool browseForFolder(HWND owner, LPCITEMIDLIST root, const char* title, char* path) {
  char displayName[MAX_PATH] = "";
  BROWSEINFOA browser = {};
  browser.hwndOwner = owner;
  browser.pidlRoot = root;
  browser.pszDisplayName = displayName;
  browser.lpszTitle = title;
  LPITEMIDLIST chosen = SHBrowseForFolderA(&browser);
  if (chosen == nullptr) return false;
  BOOL hasPath = SHGetPathFromIDListA(chosen, path);
  CoTaskMemFree(chosen);
  return hasPath != FALSE;
}
