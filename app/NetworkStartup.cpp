// The three objects are defined in this one file so that the program links
// them and builds them in the order written here; across files the order of
// static initialisation is not defined.
#include "app/NetworkStartup.h"

#include "app/FatalError.h"
#include "app/ProcessState.h"
#include "support/Errors.h"

#include <windows.h>

namespace {

// No handler exists yet when Winsock fails to start: the failure is shown as
// the fatal-error message with OK, and the program ends before its wizard
// opens, with exit code 0 as always.
[[noreturn]] void endAtStartup(const mirrex::BaseError& error) {
  // WinMain has not stored the instance yet; the messages are in the
  // program's own image.
  instanceHandle = GetModuleHandleA(nullptr);
  showFatalError(error, MB_OK);
  ExitProcess(0);
}

// Returned as a prvalue, the session is built right in the static object.
// When WSAStartup fails, no object was built and none is registered for
// destruction, so WSACleanup is not called either.
mirrex::WinsockSession startWinsock() {
  try {
    return mirrex::WinsockSession();
  } catch (const mirrex::BaseError& error) {
    endAtStartup(error);
  }
}

}  // namespace

mirrex::WinInetLibrary winInetLibrary;
mirrex::ConnectionStateLibrary connectionStateLibrary;
mirrex::WinsockSession winsockSession = startWinsock();
