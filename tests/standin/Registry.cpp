// An in-memory registry, empty when the process starts, for the tests of
// the native build: the platform layer's reading calls are wrapped to read
// it, and tests write it through tests/support/TestRegistry.h. Key and value
// names are compared without regard to case, as Windows compares them.
#include "Faults.h"
#include "tests/support/TestRegistry.h"

#include <cctype>
#include <cstring>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

namespace {

struct Value {
  DWORD type;
  std::vector<BYTE> data;
};

struct Key {
  std::map<std::string, Value> values;
};

std::mutex registryLock;
std::map<std::string, Key> keys;      // by upper-case full path
std::map<HKEY, std::string> openKeys;  // handles opened by RegOpenKeyEx/RegCreateKeyEx
std::uintptr_t nextKey = 0x100;

std::string upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// The full path of a root or an open key, empty when the handle is unknown.
std::string keyPath(HKEY key) {
  if (key == HKEY_LOCAL_MACHINE) return "HKLM";
  if (key == HKEY_CURRENT_USER) return "HKCU";
  if (key == HKEY_CLASSES_ROOT) return "HKCR";
  if (key == HKEY_USERS) return "HKU";
  auto it = openKeys.find(key);
  return it == openKeys.end() ? std::string() : it->second;
}

std::string childPath(const std::string& parent, const char* subKey) {
  std::string path = parent;
  if (subKey != nullptr && subKey[0] != '\0') path += "\\" + upper(subKey);
  while (!path.empty() && path.back() == '\\') path.pop_back();
  return path;
}

HKEY openHandle(const std::string& path) {
  HKEY key = reinterpret_cast<HKEY>(nextKey);
  nextKey += 4;
  openKeys[key] = path;
  return key;
}

}  // namespace

std::size_t standin::openRegistryKeyCount() {
  std::lock_guard<std::mutex> guard(registryLock);
  return openKeys.size();
}

extern "C" LSTATUS __wrap_RegOpenKeyExA(HKEY root, LPCSTR subKey, DWORD, REGSAM, PHKEY result) {
  if (standin::faultDue(standin::Call::RegOpenKeyEx)) return static_cast<LSTATUS>(standin::faultError());
  std::lock_guard<std::mutex> guard(registryLock);
  std::string parent = keyPath(root);
  if (parent.empty()) return ERROR_INVALID_HANDLE;
  std::string path = childPath(parent, subKey);
  if (path != parent && keys.find(path) == keys.end()) return ERROR_FILE_NOT_FOUND;
  *result = openHandle(path);
  return ERROR_SUCCESS;
}

extern "C" LSTATUS __wrap_RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD, LPDWORD type, LPBYTE data,
                                          LPDWORD dataSize) {
  if (standin::faultDue(standin::Call::RegQueryValueEx)) return static_cast<LSTATUS>(standin::faultError());
  std::lock_guard<std::mutex> guard(registryLock);
  std::string path = keyPath(key);
  if (path.empty()) return ERROR_INVALID_HANDLE;
  auto keyEntry = keys.find(path);
  if (keyEntry == keys.end()) return ERROR_FILE_NOT_FOUND;
  auto valueEntry = keyEntry->second.values.find(upper(valueName == nullptr ? "" : valueName));
  if (valueEntry == keyEntry->second.values.end()) return ERROR_FILE_NOT_FOUND;
  const Value& value = valueEntry->second;
  if (type != nullptr) *type = value.type;
  DWORD needed = static_cast<DWORD>(value.data.size());
  if (data != nullptr) {
    if (dataSize == nullptr) return ERROR_INVALID_PARAMETER;
    if (*dataSize < needed) {
      *dataSize = needed;
      return ERROR_MORE_DATA;
    }
    if (needed > 0) std::memcpy(data, value.data.data(), needed);
  }
  if (dataSize != nullptr) *dataSize = needed;
  return ERROR_SUCCESS;
}

extern "C" LSTATUS __wrap_RegCloseKey(HKEY key) {
  if (standin::faultDue(standin::Call::RegCloseKey)) return static_cast<LSTATUS>(standin::faultError());
  std::lock_guard<std::mutex> guard(registryLock);
  if (openKeys.erase(key) == 1) return ERROR_SUCCESS;
  return keyPath(key).empty() ? ERROR_INVALID_HANDLE : ERROR_SUCCESS;
}

LONG createTestKey(HKEY root, const char* subKey, HKEY* result) {
  std::lock_guard<std::mutex> guard(registryLock);
  std::string parent = keyPath(root);
  if (parent.empty()) return ERROR_INVALID_HANDLE;
  std::string path = childPath(parent, subKey);
  // Every key on the way is created too.
  for (std::string::size_type at = path.find('\\'); at != std::string::npos; at = path.find('\\', at + 1)) {
    keys[path.substr(0, at)];
  }
  keys[path];
  *result = openHandle(path);
  return ERROR_SUCCESS;
}

LONG setTestValue(HKEY key, const char* valueName, DWORD type, const BYTE* data, DWORD dataSize) {
  std::lock_guard<std::mutex> guard(registryLock);
  std::string path = keyPath(key);
  if (path.empty()) return ERROR_INVALID_HANDLE;
  Value& value = keys[path].values[upper(valueName == nullptr ? "" : valueName)];
  value.type = type;
  value.data.assign(data, data + dataSize);
  return ERROR_SUCCESS;
}

LONG deleteTestValue(HKEY key, const char* valueName) {
  std::lock_guard<std::mutex> guard(registryLock);
  auto keyEntry = keys.find(keyPath(key));
  if (keyEntry == keys.end()) return ERROR_FILE_NOT_FOUND;
  return keyEntry->second.values.erase(upper(valueName == nullptr ? "" : valueName)) == 1 ? ERROR_SUCCESS
                                                                                          : ERROR_FILE_NOT_FOUND;
}

LONG deleteTestTree(HKEY root, const char* subKey) {
  std::lock_guard<std::mutex> guard(registryLock);
  std::string parent = keyPath(root);
  if (parent.empty()) return ERROR_INVALID_HANDLE;
  std::string path = childPath(parent, subKey);
  if (keys.find(path) == keys.end()) return ERROR_FILE_NOT_FOUND;
  for (auto it = keys.begin(); it != keys.end();) {
    bool below = it->first == path || it->first.compare(0, path.size() + 1, path + "\\") == 0;
    it = below ? keys.erase(it) : std::next(it);
  }
  return ERROR_SUCCESS;
}
