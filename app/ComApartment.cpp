#include "app/ComApartment.h"

#include "support/Errors.h"

#include <windows.h>

#include <objbase.h>

ComApartment::ComApartment() {
  HRESULT result = CoInitialize(nullptr);
  if (FAILED(result)) throw mirrex::Win32Error("CoInitialize", static_cast<DWORD>(result));
}

ComApartment::~ComApartment() { CoUninitialize(); }
