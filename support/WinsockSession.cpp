#include "support/WinsockSession.h"

#include "support/Errors.h"

namespace mirrex {

WinsockSession::WinsockSession() {
  int result = WSAStartup(MAKEWORD(1, 1), &data_);
  if (result != 0) throw SocketError("WSAStartup", result);
  started_ = true;
}

WinsockSession::~WinsockSession() {
  if (!started_) return;
  started_ = false;
  WSACleanup();
}

}  // namespace mirrex
