// Reports the network layer that app/NetworkStartup.cpp built before main,
// one line a field: the module's file or "null", and for each entry point
// the text at its address or "null". The stand-in wininet.dll exports texts
// holding their own names, so that text tells which export was bound.
#include "app/NetworkStartup.h"

#include <windows.h>

#include <cstdio>

namespace {

void printModule(const char* label, HMODULE module) {
  char path[MAX_PATH] = "null";
  if (module != nullptr && GetModuleFileNameA(module, path, MAX_PATH) == 0) {
    std::printf("%s (GetModuleFileName: error %lu)\n", label, GetLastError());
    return;
  }
  std::printf("%s %s\n", label, path);
}

template <typename Function>
void printEntryPoint(const char* name, Function entryPoint) {
  const char* text = entryPoint == nullptr ? "null" : reinterpret_cast<const char*>(entryPoint);
  std::printf("%s %.40s\n", name, text);
}

}  // namespace

int main() {
  printModule("WinInetLibrary", winInetLibrary.module);
  printEntryPoint("InternetOpenA", winInetLibrary.internetOpen);
  printEntryPoint("InternetConnectA", winInetLibrary.internetConnect);
  printEntryPoint("HttpOpenRequestA", winInetLibrary.httpOpenRequest);
  printEntryPoint("HttpSendRequestA", winInetLibrary.httpSendRequest);
  printEntryPoint("HttpQueryInfoA", winInetLibrary.httpQueryInfo);
  printEntryPoint("InternetReadFile", winInetLibrary.internetReadFile);
  printEntryPoint("InternetCloseHandle", winInetLibrary.internetCloseHandle);
  printEntryPoint("HttpSendRequestExA", winInetLibrary.httpSendRequestEx);
  printEntryPoint("InternetWriteFile", winInetLibrary.internetWriteFile);
  printEntryPoint("HttpEndRequest", winInetLibrary.httpEndRequest);
  printModule("ConnectionStateLibrary", connectionStateLibrary.module);
  printEntryPoint("InternetGetConnectedState", connectionStateLibrary.internetGetConnectedState);
  std::printf("WinsockSession %04X\n", winsockSession.data().wVersion);
  return 0;
}
