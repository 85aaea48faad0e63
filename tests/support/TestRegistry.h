// Writing the registry for tests: under Wine the private prefix's registry
// (TestRegistryWindows.cpp), natively the test stand-in's in-memory registry
// (tests/standin/Registry.cpp), which the program's own calls then read.
// Each returns what the Reg call of the same purpose returns.
#pragma once

#include <windows.h>

// The registry view the tests write and read: the 32-bit one, where a
// 32-bit AOL client writes its keys and where the locator looks for them
// from either build (natively the stand-in has one view).
const REGSAM TestRegistryView = KEY_WOW64_32KEY;

// Creates the key and every key on the way, and opens it to set values.
LONG createTestKey(HKEY root, const char* subKey, HKEY* key);
LONG setTestValue(HKEY key, const char* valueName, DWORD type, const BYTE* data, DWORD dataSize);
LONG deleteTestValue(HKEY key, const char* valueName);
// Removes the key with everything below it.
LONG deleteTestTree(HKEY root, const char* subKey);
