// Binding an entry point of a library loaded at run time.
#pragma once

#include <windows.h>

namespace mirrex {

// Stores the address of the routine `name` of `module` in `entryPoint`:
// null when the library has no routine of that name.
template <typename Function>
void bindEntryPoint(HMODULE module, const char* name, Function& entryPoint) {
  // GetProcAddress returns a generic function pointer; the caller's type
  // states the routine's real signature.
  entryPoint = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace mirrex
