// Reading and changing the windows of another process, by messages.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Sends a message and waits at most a few seconds for the answer; 0 when
// the window did not answer.
LRESULT sendTo(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The visible top-level dialog windows (class #32770) of a process.
std::vector<HWND> topLevelDialogs(DWORD processId);

// The direct children of `window` of the window class `className`.
std::vector<HWND> childrenOfClass(HWND window, const char* className);

// The window's text as WM_GETTEXT gives it: also an edit's current content.
std::string windowText(HWND window);
std::string itemText(HWND dialog, int controlId);
// Replaces the text as a user typing it would see it (WM_SETTEXT).
bool setItemText(HWND dialog, int controlId, const std::string& text);

// Clicks a button, a radio button or check box among them, as a user would
// (BM_CLICK): its dialog gets the click's WM_COMMAND.
bool clickButton(HWND dialog, int controlId);
// Whether a radio button or check box is checked.
bool isChecked(HWND dialog, int controlId);

// The lines of a list box, and which of them are selected.
std::vector<std::string> listLines(HWND list);
std::vector<bool> listSelection(HWND list);
// Selects or deselects one line, as a click with CTRL held would.
bool selectListLine(HWND list, int line, bool selected);

// A progress bar's position and bounds.
int progressPosition(HWND bar);
int progressLow(HWND bar);
int progressHigh(HWND bar);
