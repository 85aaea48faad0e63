// The dialog procedure that all five wizard pages share.
#pragma once

#include <windows.h>

// Each page knows itself by its dialog id: the sheet hands it over in the
// page description at WM_INITDIALOG, and the page keeps it in DWLP_USER.
// A mirrex::BaseError while a message is handled ends the sheet after
// offering Retry (retryRequested), which makes WinMain run the wizard again.
INT_PTR CALLBACK WizardPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
