// The benchmark's baseline: writes the tree that importing the generated
// profile writes, the same folders and the same shortcut bytes, with
// nothing but CreateDirectoryA, CreateFileA, WriteFile and CloseHandle, and
// prints the milliseconds the writing took:
//   BareWrite <favourites> <new folder>
#include "tests/builder/LargeProfile.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// A Modified line of the length the import writes: 8 time bytes and a
// check byte in hexadecimal.
const char ModifiedLine[] = "Modified=00D3C1B2A194DB0199\r\n";

void write(const std::vector<builder::Item>& items, const std::string& folder) {
  for (const builder::Item& item : items) {
    std::string path = folder + "\\" + item.title;
    if (!item.hasUrl) {
      CreateDirectoryA(path.c_str(), nullptr);
      write(item.children, path);
      continue;
    }
    std::string bytes = "[InternetShortcut]\r\nURL=" + item.url + "\r\n" + ModifiedLine;
    HANDLE file = CreateFileA((path + ".url").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) continue;
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 || std::atoi(argv[1]) <= 0) {
    std::fprintf(stderr, "usage: BareWrite <favourites> <new folder>\n");
    return 2;
  }
  builder::Profile profile = builder::largeProfile(std::atoi(argv[1]));
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  CreateDirectoryA(argv[2], nullptr);
  write(profile.topLevel.front().children, argv[2]);
  QueryPerformanceCounter(&end);
  std::printf("%lld\n", (end.QuadPart - start.QuadPart) * 1000 / frequency.QuadPart);
  return 0;
}
