#include "support/WinInetLibrary.h"

#include "support/EntryPoint.h"

namespace mirrex {

WinInetLibrary::WinInetLibrary() {
  module = LoadLibraryA("WININET");
  if (module == nullptr) return;
  bindEntryPoint(module, "InternetOpenA", internetOpen);
  bindEntryPoint(module, "InternetConnectA", internetConnect);
  bindEntryPoint(module, "HttpOpenRequestA", httpOpenRequest);
  bindEntryPoint(module, "HttpSendRequestA", httpSendRequest);
  bindEntryPoint(module, "HttpQueryInfoA", httpQueryInfo);
  bindEntryPoint(module, "InternetReadFile", internetReadFile);
  bindEntryPoint(module, "InternetCloseHandle", internetCloseHandle);
  bindEntryPoint(module, "HttpSendRequestExA", httpSendRequestEx);
  bindEntryPoint(module, "InternetWriteFile", internetWriteFile);
  bindEntryPoint(module, "HttpEndRequest", httpEndRequest);
  if (!hasRequiredEntryPoints()) release();
}

WinInetLibrary::~WinInetLibrary() {
  if (module != nullptr) FreeLibrary(module);
}

bool WinInetLibrary::hasRequiredEntryPoints() const {
  return internetOpen != nullptr && internetConnect != nullptr && httpOpenRequest != nullptr &&
         httpSendRequest != nullptr && httpQueryInfo != nullptr && internetReadFile != nullptr &&
         internetCloseHandle != nullptr;
}

// An incomplete library is of no use: give it back at once, and keep no
// address into it, since its code may be unmapped.
void WinInetLibrary::release() {
  FreeLibrary(module);
  module = nullptr;
  internetOpen = nullptr;
  internetConnect = nullptr;
  httpOpenRequest = nullptr;
  httpSendRequest = nullptr;
  httpQueryInfo = nullptr;
  internetReadFile = nullptr;
  internetCloseHandle = nullptr;
  httpSendRequestEx = nullptr;
  internetWriteFile = nullptr;
  httpEndRequest = nullptr;
}

}  // namespace mirrex
