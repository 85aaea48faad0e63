#include "aol/AolLocator.h"

#include "aol/tests/InstallKeysTest.h"
#include "aol/RegistryKey.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

struct Found {
  int length;
  std::string text;
};

class AolLocatorTest : public InstallKeysTest {
protected:
  // Runs the locator on a buffer of `size` bytes that held an earlier text,
  // and checks that it wrote nothing past the buffer and left it terminated.
  static Found find(DWORD size = MAX_PATH) {
    const std::string guard(16, '\x7F');
    std::string buffer = std::string(size, 'x') + guard;
    std::memcpy(&buffer[0], "X:\\typed before", size < 16 ? size : 16);
    int length = findAolDirectory(&buffer[0], size);
    EXPECT_EQ(buffer.substr(size), guard) << "wrote past the buffer";
    std::size_t text = strnlen(buffer.c_str(), size);
    EXPECT_LT(text, size) << "the buffer is not terminated";
    return Found{length, buffer.substr(0, text)};
  }

  static void expectFound(const Found& found, const std::string& directory) {
    EXPECT_EQ(found.text, directory);
    EXPECT_EQ(found.length, static_cast<int>(directory.size())) << "for " << directory;
  }
};

}  // namespace

TEST_F(AolLocatorTest, AppendsOrganizeWithoutDoublingTheBackslash) {
  const struct {
    const char* value;
    const char* directory;
  } cases[] = {
      {"D:\\AOL", "D:\\AOL\\organize\\"},
      {"D:\\AOL\\", "D:\\AOL\\organize\\"},
      {"D:\\AOL\\\\", "D:\\AOL\\\\organize\\"},  // only one backslash is dropped
      {"D:\\AOL;", "D:\\AOL;\\organize\\"},        // used as stored, not split
      {"D:\\America Online 5.0\\", "D:\\America Online 5.0\\organize\\"},
  };
  for (const auto& c : cases) {
    setText(HKEY_LOCAL_MACHINE, 2, c.value);
    expectFound(find(), c.directory);
  }
}

TEST_F(AolLocatorTest, TriesTheSixRowsInOrder) {
  for (int row = 1; row <= 6; ++row) setText(HKEY_CURRENT_USER, row, "D:\\Row" + std::to_string(row));
  for (int row = 1; row <= 6; ++row) {
    expectFound(find(), "D:\\Row" + std::to_string(row) + "\\organize\\");
    removeValue(HKEY_CURRENT_USER, row);
  }
  expectFound(find(), "");
}

TEST_F(AolLocatorTest, MachineEntryWinsOverAnyUserEntry) {
  setText(HKEY_CURRENT_USER, 1, "D:\\User");
  setText(HKEY_LOCAL_MACHINE, 6, "D:\\Machine");
  expectFound(find(), "D:\\Machine\\organize\\");
}

TEST_F(AolLocatorTest, PassesOverValuesThatGiveNoDirectory) {
  setValue(HKEY_LOCAL_MACHINE, 1, REG_EXPAND_SZ, std::string("D:\\Expand") + '\0');
  setText(HKEY_LOCAL_MACHINE, 2, "");
  setValue(HKEY_LOCAL_MACHINE, 3, REG_DWORD, std::string("\x01\x02\x03\x04", 4));
  setValue(HKEY_LOCAL_MACHINE, 4, REG_BINARY, "D:\\Binary");
  setText(HKEY_LOCAL_MACHINE, 5, "D:\\" + std::string(297, 'a'));  // does not fit the buffer
  setText(HKEY_LOCAL_MACHINE, 6, "D:\\" + std::string(247, 'a'));  // leaves no room for the suffix
  setText(HKEY_CURRENT_USER, 1, "D:\\Found");
  expectFound(find(), "D:\\Found\\organize\\");
}

TEST_F(AolLocatorTest, KeyWithoutItsValueIsPassedOver) {
  setText(HKEY_LOCAL_MACHINE, 2, "D:\\Two");
  removeValue(HKEY_LOCAL_MACHINE, 2);
  setText(HKEY_LOCAL_MACHINE, 3, "D:\\Three");
  expectFound(find(), "D:\\Three\\organize\\");
}

TEST_F(AolLocatorTest, NoDirectoryGivesZeroAndTheEmptyText) {
  expectFound(find(), "");
  // A value passed over may have filled the buffer with bytes and no NUL.
  setValue(HKEY_LOCAL_MACHINE, 1, REG_BINARY, "D:\\Binary");
  expectFound(find(9), "");
}

TEST_F(AolLocatorTest, LongestDirectoryFillsTheBufferExactly) {
  std::string longest = "D:\\" + std::string(246, 'a');  // 249 characters
  setText(HKEY_LOCAL_MACHINE, 1, longest);
  expectFound(find(), longest + "\\organize\\");
  setText(HKEY_LOCAL_MACHINE, 1, longest + "\\");
  expectFound(find(), longest + "\\organize\\");
  setText(HKEY_LOCAL_MACHINE, 1, longest + "a");
  expectFound(find(), "");
}

TEST_F(AolLocatorTest, SuffixMustFitTheCallersSize) {
  setText(HKEY_LOCAL_MACHINE, 1, "D:\\AOLXYZ");
  expectFound(find(20), "D:\\AOLXYZ\\organize\\");
  setText(HKEY_LOCAL_MACHINE, 1, "D:\\AOLXYZW");
  expectFound(find(20), "");
}

TEST_F(AolLocatorTest, TextEndsAtItsFirstTerminatorOrWithTheStoredBytes) {
  setValue(HKEY_LOCAL_MACHINE, 1, REG_SZ, "D:\\AOL");
  expectFound(find(), "D:\\AOL\\organize\\");
  setValue(HKEY_LOCAL_MACHINE, 1, REG_SZ, std::string("D:\\AOL\0junk\0", 12));
  expectFound(find(), "D:\\AOL\\organize\\");
}

TEST_F(AolLocatorTest, RegistryKeyReportsWhatAValueNeeds) {
  setText(HKEY_CURRENT_USER, 2, std::string(300, 'a'));
  RegistryKey key;
  EXPECT_FALSE(key.open(HKEY_CURRENT_USER, InstallKeyRows[0].subKey, false));
  ASSERT_TRUE(key.open(HKEY_CURRENT_USER, InstallKeyRows[1].subKey, false));
  DWORD type = REG_NONE;
  BYTE data[10];
  EXPECT_EQ(key.queryValue("AppPath", type, data, sizeof data), 301u);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(key.queryValue("Missing", type, data, sizeof data), 0u);
  key.close();
}
