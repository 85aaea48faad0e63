#include "tests/support/TestRegistry.h"

LONG createTestKey(HKEY root, const char* subKey, HKEY* key) {
  return RegCreateKeyExA(root, subKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE | TestRegistryView, nullptr, key,
                         nullptr);
}

LONG setTestValue(HKEY key, const char* valueName, DWORD type, const BYTE* data, DWORD dataSize) {
  return RegSetValueExA(key, valueName, 0, type, data, dataSize);
}

LONG deleteTestValue(HKEY key, const char* valueName) { return RegDeleteValueA(key, valueName); }

LONG deleteTestTree(HKEY root, const char* subKey) {
  HKEY key;
  LONG result = RegOpenKeyExA(root, subKey, 0, KEY_ALL_ACCESS | TestRegistryView, &key);
  if (result != ERROR_SUCCESS) return result;
  result = RegDeleteTreeA(key, nullptr);
  RegCloseKey(key);
  if (result != ERROR_SUCCESS) return result;
  return RegDeleteKeyExA(root, subKey, TestRegistryView, 0);
}
