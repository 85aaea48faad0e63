// Writing the registry for tests: under Wine the private prefix's registry
// (TestRegistryWindows.cpp), natively the test stand-in's in-memory registry
// (tests/standin/Registry.cpp), which the program's own calls then read.
// Each returns what the Reg call of the same purpose returns.
#pragma once

#include <windows.h>

// Creates the key and every key on the way, and opens it to set values.
LONG createTestKey(HKEY root, const char* subKey, HKEY* key);
LONG setTestValue(HKEY key, const char* valueName, DWORD type, const BYTE* data, DWORD dataSize);
LONG deleteTestValue(HKEY key, const char* valueName);
// Removes the key with everything below it.
LONG deleteTestTree(HKEY root, const char* subKey);
