// Winsock, started for version 1.1 and cleaned up once.
#pragma once

#include <windows.h>

namespace mirrex {

class WinsockSession {
public:
  // Starts Winsock; throws SocketError("WSAStartup", result) when it does
  // not start, and then there is nothing to clean up.
  WinsockSession();
  ~WinsockSession();
  WinsockSession(const WinsockSession&) = delete;
  WinsockSession& operator=(const WinsockSession&) = delete;

  // What WSAStartup reported.
  const WSADATA& data() const { return data_; }

private:
  WSADATA data_ = {};
  bool started_ = false;  // cleared by the one WSACleanup
};

}  // namespace mirrex
