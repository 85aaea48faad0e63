// The network layer of the program: WinInet, a second load of it for the
// connection state, and Winsock. They come up while static objects are
// initialised, before WinMain, in this order, and go down after it returns,
// in the reverse order.
#pragma once

#include "support/ConnectionStateLibrary.h"
#include "support/WinInetLibrary.h"
#include "support/WinsockSession.h"

extern mirrex::WinInetLibrary winInetLibrary;
extern mirrex::ConnectionStateLibrary connectionStateLibrary;
extern mirrex::WinsockSession winsockSession;
