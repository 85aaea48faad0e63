#include "app/SaveAsDialog.h"

#include "favorites/Texts.h"

#include <windows.h>

#include <commdlg.h>

bool chooseFileToSave(HWND owner, char* path) {
  char chosen[MAX_PATH];
  copyText(path, chosen, MAX_PATH);
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = "Bookmarks files (*.html)\0*.html;*.htm\0All files (*.*)\0*.*\0";
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = chosen;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrTitle = "Save the Bookmarks File As";
  dialog.lpstrDefExt = "html";
  // The page asks before an existing file is replaced, whichever way the
  // path came; the current directory stays the program's.
  dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  BOOL saved = GetSaveFileNameA(&dialog);
  // A path the dialog cannot start from (a folder that is not there, a
  // name Windows refuses) would keep it from showing at all: it starts
  // afresh instead.
  if (!saved && CommDlgExtendedError() == FNERR_INVALIDFILENAME) {
    chosen[0] = '\0';
    saved = GetSaveFileNameA(&dialog);
  }
  if (!saved) return false;
  copyText(chosen, path, MAX_PATH);
  return true;
}
