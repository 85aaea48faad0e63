// The wizard of a running program: its property sheet and pages.
#pragma once

#include <windows.h>

#include <prsht.h>

// The sheet's own buttons.
const int SheetBackButton = 0x3023;
const int SheetNextButton = 0x3024;
const int SheetFinishButton = 0x3025;

// The program's property sheet: a top-level dialog with a tab control.
// Null while there is none.
HWND findSheet(DWORD processId);

// The number of pages in the sheet (the items of its tab control).
int pageCount(HWND sheet);

// The page shown now and its dialog resource id; null and 0 when none.
HWND currentPage(HWND sheet);
int currentPageId(HWND sheet);

// Presses a button of the sheet (PSBTN_NEXT, PSBTN_BACK, PSBTN_FINISH,
// PSBTN_CANCEL). Posted, so that a message box the press brings up does
// not hold the caller; wait for its effect.
bool pressButton(HWND sheet, int button);

// Whether the sheet's button `buttonId` can be pressed: shown and enabled.
bool buttonEnabled(HWND sheet, int buttonId);
