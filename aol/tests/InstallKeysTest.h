// A fixture that writes AOL and CompuServe installation keys for the
// locator's tests and removes them afterwards. Under Wine they go to the
// private prefix; natively to the stand-in's in-memory registry. It refuses
// to run when any of those keys exists already, so that it never changes or
// removes what it did not write.
#pragma once

#include "tests/support/TestRegistry.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

struct InstallKeyRow {
  const char* subKey;
  const char* valueName;
};

// The six candidates, in the order the locator tries them.
const InstallKeyRow InstallKeyRows[6] = {
    {"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\AOL.EXE", "Path"},
    {"Software\\America Online\\America Online\\4.0", "AppPath"},
    {"Software\\America Online\\AOL\\CurrentVersion", "AppPath"},
    {"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\CS.EXE", "Path"},
    {"Software\\CompuServe\\CompuServe\\2000.0", "AppPath"},
    {"Software\\CompuServe\\CompuServe\\CurrentVersion", "AppPath"},
};

class InstallKeysTest : public ::testing::Test {
protected:
  void SetUp() override {
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
      for (const char* key : WrittenKeys) {
        HKEY handle = nullptr;
        if (RegOpenKeyExA(root, key, 0, KEY_QUERY_VALUE | TestRegistryView, &handle) == ERROR_SUCCESS) {
          RegCloseKey(handle);
          FAIL() << "the registry holds " << key << " already; the test would change it";
        }
      }
    }
    owned_ = true;
  }

  void TearDown() override {
    if (!owned_) return;
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
      for (const char* key : WrittenKeys) deleteTestTree(root, key);
    }
  }

  // Stores `bytes` exactly as given (a text's NUL included only if there).
  static void setValue(HKEY root, int row, DWORD type, const std::string& bytes) {
    HKEY key = nullptr;
    LONG code = createTestKey(root, InstallKeyRows[row - 1].subKey, &key);
    ASSERT_EQ(code, ERROR_SUCCESS) << "RegCreateKeyEx row " << row;
    code = setTestValue(key, InstallKeyRows[row - 1].valueName, type, reinterpret_cast<const BYTE*>(bytes.data()),
                        static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
    ASSERT_EQ(code, ERROR_SUCCESS) << "RegSetValueEx row " << row;
  }

  static void setText(HKEY root, int row, const std::string& text) {
    setValue(root, row, REG_SZ, text + std::string(1, '\0'));
  }

  // Leaves the row's key in place without its value.
  static void removeValue(HKEY root, int row) {
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(root, InstallKeyRows[row - 1].subKey, 0, KEY_SET_VALUE | TestRegistryView, &key), ERROR_SUCCESS);
    LONG code = deleteTestValue(key, InstallKeyRows[row - 1].valueName);
    RegCloseKey(key);
    ASSERT_EQ(code, ERROR_SUCCESS) << "RegDeleteValue row " << row;
  }

private:
  // The topmost keys that the rows create.
  static constexpr const char* WrittenKeys[] = {
      "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\AOL.EXE",
      "Software\\America Online",
      "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\CS.EXE",
      "Software\\CompuServe",
  };
  bool owned_ = false;
};
