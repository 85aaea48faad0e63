#include "app/tests/network/StandInRecord.h"

void recordCall(HMODULE standIn, const char* line) {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(standIn, path, MAX_PATH);
  if (length == 0 || length == MAX_PATH) return;
  char* name = path + length;
  while (name > path && name[-1] != '\\') --name;
  const char record[] = "calls.txt";
  if (name + sizeof record > path + MAX_PATH) return;
  lstrcpyA(name, record);
  HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, line, lstrlenA(line), &written, nullptr);
  WriteFile(file, "\r\n", 2, &written, nullptr);
  CloseHandle(file);
}
