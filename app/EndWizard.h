// Ending the wizard from one of its pages, after a fatal error.
#pragma once

#include <windows.h>

// Ends the property sheet `sheet` so that PropertySheetA returns: ends it as
// a dialog, and posts a press of its Cancel button, which is how Wine's
// property sheet (which EndDialog only hides) comes to an end.
void endWizard(HWND sheet);
