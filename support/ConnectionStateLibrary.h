// A second load of WinInet for the connection-state query, held apart from
// WinInetLibrary's: each object loads and releases the library on its own.
#pragma once

#include <windows.h>

#include <wininet.h>

namespace mirrex {

struct ConnectionStateLibrary {
  // Loads "WININET" and binds "InternetGetConnectedState"; both stay null
  // when the library does not load, and the entry point alone when the
  // library lacks it.
  ConnectionStateLibrary();
  ~ConnectionStateLibrary();
  ConnectionStateLibrary(const ConnectionStateLibrary&) = delete;
  ConnectionStateLibrary& operator=(const ConnectionStateLibrary&) = delete;

  HMODULE module = nullptr;
  decltype(&::InternetGetConnectedState) internetGetConnectedState = nullptr;
};

}  // namespace mirrex
