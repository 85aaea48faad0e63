#include "app/EndWizard.h"

#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

void endWizard(HWND sheet) {
  EndDialog(sheet, 0);
  // Posted, so that the sheet finishes the message it is in the middle of
  // before it closes.
  PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}
