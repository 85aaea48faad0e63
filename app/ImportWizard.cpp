#include "app/ImportWizard.h"

#include "app/ProcessState.h"
#include "app/Resources.h"
#include "app/WizardPageProc.h"
#include "support/Errors.h"

#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

namespace {

// The pages in the order the wizard shows them.
const int PageIds[] = {IDD_INTRODUCTION, IDD_AOL_DIRECTORY, IDD_PROFILES, IDD_DESTINATION, IDD_IMPORTING};
const UINT PageCount = sizeof PageIds / sizeof PageIds[0];

// Version-1 page descriptions. The sheet steps from one description to the
// next by the dwSize of each, so the array is one of PROPSHEETPAGEA_V1, whose
// size is PROPSHEETPAGEA_V1_SIZE, not of the larger PROPSHEETPAGEA.
void describePage(int pageId, PROPSHEETPAGEA_V1& page) {
  page.dwSize = sizeof page;
  page.dwFlags = PSP_DEFAULT;
  page.hInstance = instanceHandle;
  page.pszTemplate = MAKEINTRESOURCEA(pageId);
  page.pfnDlgProc = WizardPageProc;
  page.lParam = pageId;  // how WizardPageProc tells the pages apart
}

// Registers the progress bar class of the importing page.
void loadCommonControls() {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS};
  if (!InitCommonControlsEx(&controls)) throw mirrex::Win32Error("InitCommonControlsEx");
}

}  // namespace

void runImportWizard() {
  PROPSHEETPAGEA_V1 pages[PageCount] = {};
  for (UINT i = 0; i < PageCount; ++i) describePage(PageIds[i], pages[i]);

  PROPSHEETHEADERA sheet = {};
  sheet.dwSize = PROPSHEETHEADERA_V1_SIZE;
  sheet.dwFlags = PSH_WIZARD | PSH_PROPSHEETPAGE;
  sheet.hInstance = instanceHandle;
  sheet.nPages = PageCount;
  sheet.nStartPage = 0;
  sheet.ppsp = reinterpret_cast<LPCPROPSHEETPAGEA>(pages);

  loadCommonControls();
  // How the sheet was closed does not matter; only a sheet that could not
  // be shown at all is an error.
  if (PropertySheetA(&sheet) == -1) throw mirrex::Win32Error("PropertySheet");
}
