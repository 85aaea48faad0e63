// WinInet, loaded at run time with its HTTP entry points bound. Users test
// the module handle: a null handle means the library is unavailable, and
// then none of the entry points may be used.
#pragma once

#include <windows.h>

#include <wininet.h>

namespace mirrex {

class WinInetLibrary {
public:
  // Loads "WININET" and binds the ten entry points. A library that lacks
  // any of the first seven is released at once; the last three are optional
  // and may stay null.
  WinInetLibrary();
  virtual ~WinInetLibrary();
  WinInetLibrary(const WinInetLibrary&) = delete;
  WinInetLibrary& operator=(const WinInetLibrary&) = delete;

  HMODULE module = nullptr;
  // Required.
  decltype(&::InternetOpenA) internetOpen = nullptr;
  decltype(&::InternetConnectA) internetConnect = nullptr;
  decltype(&::HttpOpenRequestA) httpOpenRequest = nullptr;
  decltype(&::HttpSendRequestA) httpSendRequest = nullptr;
  decltype(&::HttpQueryInfoA) httpQueryInfo = nullptr;
  decltype(&::InternetReadFile) internetReadFile = nullptr;
  decltype(&::InternetCloseHandle) internetCloseHandle = nullptr;
  // Optional.
  decltype(&::HttpSendRequestExA) httpSendRequestEx = nullptr;
  decltype(&::InternetWriteFile) internetWriteFile = nullptr;
  decltype(&::HttpEndRequest) httpEndRequest = nullptr;

private:
  bool hasRequiredEntryPoints() const;
  void release();
};

}  // namespace mirrex
