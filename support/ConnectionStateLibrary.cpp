#include "support/ConnectionStateLibrary.h"

#include "support/EntryPoint.h"

namespace mirrex {

ConnectionStateLibrary::ConnectionStateLibrary() {
  module = LoadLibraryA("WININET");
  if (module != nullptr) bindEntryPoint(module, "InternetGetConnectedState", internetGetConnectedState);
}

ConnectionStateLibrary::~ConnectionStateLibrary() {
  if (module != nullptr) FreeLibrary(module);
}

}  // namespace mirrex
