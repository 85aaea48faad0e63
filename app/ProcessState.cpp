#include "app/ProcessState.h"

HINSTANCE instanceHandle = nullptr;
char aolDirectory[MAX_PATH] = "";
char destinationName[MAX_PATH] = "";
bool toBookmarksFile = false;
char bookmarksPath[MAX_PATH] = "";
bool replaceBookmarksFile = false;
LPITEMIDLIST favoritesLocation = nullptr;
char favoritesPath[MAX_PATH] = "";
// Loaded while static objects are initialised, before WinMain, in this order.
HCURSOR waitCursor = LoadCursorA(nullptr, IDC_WAIT);
HCURSOR arrowCursor = LoadCursorA(nullptr, IDC_ARROW);
bool retryRequested = false;
ProfileTable profileTable = {};
