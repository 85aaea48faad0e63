// Window messages. A POSIX program has no windows: a message to any window
// is answered with 0, as Windows answers one sent to a window that is gone.
#include <windows.h>

LRESULT SendMessageA(HWND, UINT, WPARAM, LPARAM) { return 0; }
