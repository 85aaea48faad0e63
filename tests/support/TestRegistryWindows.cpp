#include "tests/support/TestRegistry.h"

LONG createTestKey(HKEY root, const char* subKey, HKEY* key) {
  return RegCreateKeyExA(root, subKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, key, nullptr);
}

LONG setTestValue(HKEY key, const char* valueName, DWORD type, const BYTE* data, DWORD dataSize) {
  return RegSetValueExA(key, valueName, 0, type, data, dataSize);
}

LONG deleteTestValue(HKEY key, const char* valueName) { return RegDeleteValueA(key, valueName); }

LONG deleteTestTree(HKEY root, const char* subKey) { return RegDeleteTreeA(root, subKey); }
