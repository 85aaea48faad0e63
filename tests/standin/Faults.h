// Shared by the test stand-in's sources: pending faults set by tests, the
// count of open handles, and the platform layer's calls that they wrap.
#pragma once

#include "standin.h"

namespace standin {

// True when the call is to fail now; the error is then set as last error.
bool faultDue(Call call);
// The error of the fault that faultDue() just reported.
DWORD faultError();

// The registry keys open in this process (Registry.cpp).
std::size_t openRegistryKeyCount();

// Windows-style last error: sets it and returns the value given.
template <typename T>
T fail(DWORD error, T result) {
  SetLastError(error);
  return result;
}

}  // namespace standin

// The platform layer's own calls, reached from their wrappers.
extern "C" {
HANDLE __real_CreateFileA(LPCSTR name, DWORD access, DWORD shareMode, LPSECURITY_ATTRIBUTES security,
                          DWORD disposition, DWORD flags, HANDLE templateFile);
BOOL __real_ReadFile(HANDLE file, LPVOID buffer, DWORD count, LPDWORD read, LPOVERLAPPED overlapped);
BOOL __real_WriteFile(HANDLE file, LPCVOID buffer, DWORD count, LPDWORD written, LPOVERLAPPED overlapped);
DWORD __real_SetFilePointer(HANDLE file, LONG distance, PLONG distanceHigh, DWORD method);
BOOL __real_CloseHandle(HANDLE object);
BOOL __real_CreateDirectoryA(LPCSTR path, LPSECURITY_ATTRIBUTES security);
HANDLE __real_FindFirstFileA(LPCSTR pattern, LPWIN32_FIND_DATAA data);
BOOL __real_FindNextFileA(HANDLE search, LPWIN32_FIND_DATAA data);
BOOL __real_FindClose(HANDLE search);
HLOCAL __real_LocalAlloc(UINT flags, SIZE_T bytes);
HLOCAL __real_LocalFree(HLOCAL memory);
LRESULT __real_SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
DWORD __real_GetTickCount(void);
}
