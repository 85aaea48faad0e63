// A stand-in wsock32.dll with WSAStartup and WSACleanup at their ordinals
// 115 and 116 (StandInWinsock.def). It records both calls; WSAStartup
// answers WSASTARTUP_RESULT, which a build sets. It is built with
// WIN32_LEAN_AND_MEAN, so that windows.h leaves out winsock.h, whose
// declarations of these routines are imports.
#include "app/tests/network/StandInRecord.h"

#include <windows.h>

namespace {

HMODULE standIn = nullptr;

// The first two fields of WSADATA.
struct Versions {
  WORD version;
  WORD highVersion;
};

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) standIn = module;
  return TRUE;
}

extern "C" int WINAPI WSAStartup(WORD version, Versions* data) {
  char line[32];
  wsprintfA(line, "WSAStartup %04X", version);
  recordCall(standIn, line);
  if (WSASTARTUP_RESULT == 0) {
    data->version = version;
    data->highVersion = version;
  }
  return WSASTARTUP_RESULT;
}

extern "C" int WINAPI WSACleanup() {
  recordCall(standIn, "WSACleanup");
  return 0;
}
