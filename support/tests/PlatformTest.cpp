// The Win32 behaviour the core relies on. Under Wine these checks hold for
// the real calls; in the native build they hold the POSIX stand-in to the
// same behaviour.
#include "tests/support/ProgressBar.h"
#include "tests/support/TempFolder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

HANDLE openForReading(const std::string& path, DWORD share) {
  return CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr);
}

}  // namespace

TEST(Platform, MissingFileAndMissingDirectoryHaveTheirOwnCodes) {
  TempFolder temp;
  EXPECT_EQ(openForReading(temp / "absent", FILE_SHARE_READ), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), DWORD{ERROR_FILE_NOT_FOUND});
  EXPECT_EQ(openForReading(temp / "absent\\file", FILE_SHARE_READ), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), DWORD{ERROR_PATH_NOT_FOUND});
}

TEST(Platform, CreateAlwaysTellsAnExistingFile) {
  TempFolder temp;
  std::string path = temp / "f";
  HANDLE created = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(created, INVALID_HANDLE_VALUE);
  EXPECT_NE(GetLastError(), DWORD{ERROR_ALREADY_EXISTS});
  DWORD written = 0;
  EXPECT_TRUE(WriteFile(created, "abcdef", 6, &written, nullptr));
  EXPECT_TRUE(CloseHandle(created));
  HANDLE again = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(again, INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), DWORD{ERROR_ALREADY_EXISTS});
  EXPECT_TRUE(CloseHandle(again));
  EXPECT_EQ(temp.read("f"), "");
}

TEST(Platform, ShareModesAreEnforcedBetweenHandles) {
  TempFolder temp;
  temp.write("f", "x");
  HANDLE exclusive = openForReading(temp / "f", 0);
  ASSERT_NE(exclusive, INVALID_HANDLE_VALUE);
  EXPECT_EQ(openForReading(temp / "f", FILE_SHARE_READ | FILE_SHARE_WRITE), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), DWORD{ERROR_SHARING_VIOLATION});
  CloseHandle(exclusive);

  HANDLE shared = openForReading(temp / "f", FILE_SHARE_READ | FILE_SHARE_WRITE);
  ASSERT_NE(shared, INVALID_HANDLE_VALUE);
  HANDLE second = openForReading(temp / "f", FILE_SHARE_READ | FILE_SHARE_WRITE);
  EXPECT_NE(second, INVALID_HANDLE_VALUE);
  CloseHandle(second);
  CloseHandle(shared);
}

TEST(Platform, ReadingPastTheEndDeliversWhatThereIs) {
  TempFolder temp;
  temp.write("f", "abc");
  HANDLE file = openForReading(temp / "f", FILE_SHARE_READ);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  char buffer[8];
  DWORD got = 99;
  EXPECT_EQ(SetFilePointer(file, 1, nullptr, FILE_BEGIN), 1u);
  EXPECT_TRUE(ReadFile(file, buffer, sizeof buffer, &got, nullptr));
  EXPECT_EQ(got, 2u);
  EXPECT_TRUE(ReadFile(file, buffer, sizeof buffer, &got, nullptr));
  EXPECT_EQ(got, 0u);
  EXPECT_EQ(SetFilePointer(file, 100, nullptr, FILE_BEGIN), 100u);
  EXPECT_TRUE(ReadFile(file, buffer, sizeof buffer, &got, nullptr));
  EXPECT_EQ(got, 0u);
  CloseHandle(file);
}

TEST(Platform, WritingAReadOnlyHandleAndClosingAStaleOneFail) {
  TempFolder temp;
  temp.write("f", "x");
  HANDLE file = openForReading(temp / "f", FILE_SHARE_READ);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  EXPECT_FALSE(WriteFile(file, "y", 1, &written, nullptr));
  EXPECT_EQ(GetLastError(), DWORD{ERROR_ACCESS_DENIED});
  EXPECT_TRUE(CloseHandle(file));
  EXPECT_FALSE(CloseHandle(file));
  EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_HANDLE});
}

TEST(Platform, DirectoriesAndTheirSearch) {
  TempFolder temp;
  EXPECT_TRUE(CreateDirectoryA((temp / "d").c_str(), nullptr));
  EXPECT_FALSE(CreateDirectoryA((temp / "d").c_str(), nullptr));
  EXPECT_EQ(GetLastError(), DWORD{ERROR_ALREADY_EXISTS});
  EXPECT_FALSE(CreateDirectoryA((temp / "x\\y").c_str(), nullptr));
  EXPECT_EQ(GetLastError(), DWORD{ERROR_PATH_NOT_FOUND});
  // A directory cannot be opened as a file.
  EXPECT_EQ(openForReading(temp / "d", FILE_SHARE_READ), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), DWORD{ERROR_ACCESS_DENIED});

  WIN32_FIND_DATAA data;
  EXPECT_EQ(FindFirstFileA((temp / "missing\\*.*").c_str(), &data), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), DWORD{ERROR_PATH_NOT_FOUND});

  temp.write("d\\noextension", "1");
  HANDLE search = FindFirstFileA((temp / "d\\*.*").c_str(), &data);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  std::vector<std::string> names;
  do {
    names.push_back(std::string(data.cFileName) + ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? "\\" : ""));
  } while (FindNextFileA(search, &data));
  EXPECT_EQ(GetLastError(), DWORD{ERROR_NO_MORE_FILES});
  EXPECT_TRUE(FindClose(search));
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"..\\", ".\\", "noextension"}));
}

TEST(Platform, NamesWithRefusedCharactersAreInvalid) {
  TempFolder temp;
  // (A colon is no refused character: it names a stream of the file.)
  for (const char* name : {"a?b", "a*b", "a|b", "a<b", "a>b", "a\"b"}) {
    EXPECT_EQ(CreateFileA((temp / name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr),
              INVALID_HANDLE_VALUE)
        << name;
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_NAME}) << name;
  }
  EXPECT_TRUE(temp.tree().empty());
}

TEST(Platform, DeltaPosMovesTheBarAndStopsAtItsBounds) {
  ProgressBar bar;
  SendMessageA(bar.window(), PBM_SETRANGE32, 0, 100);
  EXPECT_EQ(SendMessageA(bar.window(), PBM_DELTAPOS, 30, 0), 0) << "the position before";
  EXPECT_EQ(bar.position(), 30);
  SendMessageA(bar.window(), PBM_DELTAPOS, 0, 0);
  EXPECT_EQ(bar.position(), 30);
  // Past the upper bound it stays there: no wrap as PBM_STEPIT's.
  EXPECT_EQ(SendMessageA(bar.window(), PBM_DELTAPOS, 71, 0), 30);
  EXPECT_EQ(bar.position(), 100);
  SendMessageA(bar.window(), PBM_DELTAPOS, static_cast<WPARAM>(-150), 0);
  EXPECT_EQ(bar.position(), 0);
}

TEST(Platform, MovesReplaceAnExistingFileOnlyWhenAsked) {
  TempFolder temp;
  temp.write("new", "fresh");
  temp.write("old", "kept");
  EXPECT_FALSE(MoveFileExA((temp / "new").c_str(), (temp / "old").c_str(), 0));
  EXPECT_EQ(GetLastError(), DWORD{ERROR_ALREADY_EXISTS});
  EXPECT_EQ(temp.read("old"), "kept");
  EXPECT_EQ(temp.read("new"), "fresh");

  EXPECT_TRUE(MoveFileExA((temp / "new").c_str(), (temp / "old").c_str(), MOVEFILE_REPLACE_EXISTING));
  EXPECT_EQ(temp.read("old"), "fresh");
  EXPECT_TRUE(MoveFileExA((temp / "old").c_str(), (temp / "other").c_str(), 0));
  EXPECT_EQ(temp.tree(), (std::vector<std::string>{"other"}));

  EXPECT_FALSE(MoveFileExA((temp / "absent").c_str(), (temp / "x").c_str(), 0));
  EXPECT_EQ(GetLastError(), DWORD{ERROR_FILE_NOT_FOUND});
  EXPECT_FALSE(MoveFileExA((temp / "other").c_str(), (temp / "missing\\x").c_str(), MOVEFILE_REPLACE_EXISTING));
  EXPECT_EQ(GetLastError(), DWORD{ERROR_PATH_NOT_FOUND});
  temp.makeDirectory("d");
  EXPECT_FALSE(MoveFileExA((temp / "other").c_str(), (temp / "d").c_str(), MOVEFILE_REPLACE_EXISTING));
  EXPECT_EQ(GetLastError(), DWORD{ERROR_ACCESS_DENIED});
  EXPECT_EQ(temp.read("other"), "fresh");
}

TEST(Platform, StandardHandlesTakeWritesAndAFileIsNoConsole) {
  HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  ASSERT_NE(output, INVALID_HANDLE_VALUE);
  ASSERT_NE(output, nullptr);
  DWORD written = 0;
  EXPECT_TRUE(WriteFile(output, "\n", 1, &written, nullptr));
  EXPECT_EQ(written, 1u);
  EXPECT_EQ(GetStdHandle(STD_ERROR_HANDLE), GetStdHandle(STD_ERROR_HANDLE));

  TempFolder temp;
  std::string path = temp / "f";
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD mode = 0;
  EXPECT_FALSE(GetConsoleMode(file, &mode));
  EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_HANDLE});
  EXPECT_TRUE(CloseHandle(file));
}
