// A stand-in wininet.dll. Its entry points are texts holding their own
// names, so that whoever holds a bound address can read which export it is
// bound to; nothing calls them. A build may leave out HttpEndRequest or
// HttpQueryInfoA. Loading and unloading are recorded.
#include "app/tests/network/StandInRecord.h"

#include <windows.h>

#define ENTRY_POINT(name) extern "C" __declspec(dllexport) const char name[] = #name;

ENTRY_POINT(InternetOpenA)
ENTRY_POINT(InternetConnectA)
ENTRY_POINT(HttpOpenRequestA)
ENTRY_POINT(HttpSendRequestA)
#ifndef WITHOUT_HTTP_QUERY_INFO
ENTRY_POINT(HttpQueryInfoA)
#endif
ENTRY_POINT(InternetReadFile)
ENTRY_POINT(InternetCloseHandle)
ENTRY_POINT(HttpSendRequestExA)
ENTRY_POINT(InternetWriteFile)
#ifndef WITHOUT_HTTP_END_REQUEST
ENTRY_POINT(HttpEndRequest)
#endif
ENTRY_POINT(InternetGetConnectedState)

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) recordCall(module, "wininet attached");
  // Unloaded by FreeLibrary, or still loaded when the process ends.
  if (reason == DLL_PROCESS_DETACH)
    recordCall(module, reserved == nullptr ? "wininet detached by FreeLibrary" : "wininet detached at exit");
  return TRUE;
}
