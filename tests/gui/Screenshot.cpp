#include "tests/gui/Screenshot.h"

#include "tests/gui/Png.h"
#include "tests/gui/Wait.h"

#include <shlobj.h>

#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

// GDI calls do not always set an error code; a failure is never 0.
DWORD failure() {
  DWORD error = GetLastError();
  return error != 0 ? error : ERROR_GEN_FAILURE;
}

// The screen's pixels in `area`, three bytes each, rows from the top.
// Returns 0 or the error code of the call that failed.
DWORD capture(const RECT& area, std::vector<std::uint8_t>& rgb) {
  int width = area.right - area.left, height = area.bottom - area.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  DWORD error = bitmap == nullptr ? failure() : 0;
  if (bitmap != nullptr) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    if (!BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY)) error = failure();
    GdiFlush();
    if (error == 0) {
      const std::uint8_t* bgrx = static_cast<const std::uint8_t*>(bits);
      rgb.resize(std::size_t(width) * height * 3);
      for (std::size_t i = 0; i < std::size_t(width) * height; ++i) {
        rgb[i * 3] = bgrx[i * 4 + 2];
        rgb[i * 3 + 1] = bgrx[i * 4 + 1];
        rgb[i * 3 + 2] = bgrx[i * 4];
      }
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return error;
}

// The window has painted when its picture stays the same for a moment.
DWORD captureSteady(const RECT& area, std::vector<std::uint8_t>& rgb) {
  std::vector<std::uint8_t> previous;
  DWORD error = 0;
  DWORD steadySince = GetTickCount();
  waitFor(
      [&] {
        previous.swap(rgb);
        if ((error = capture(area, rgb)) != 0) return true;
        if (rgb != previous) steadySince = GetTickCount();
        return GetTickCount() - steadySince >= 300;
      },
      5000);
  return error;
}

DWORD writeFile(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return GetLastError();
  DWORD written = 0;
  DWORD error = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ? 0 : GetLastError();
  if (!CloseHandle(file) && error == 0) error = GetLastError();
  return error;
}

}  // namespace

DWORD saveScreenshot(HWND window, const std::string& path) {
  RECT area;
  if (!GetWindowRect(window, &area)) return GetLastError();
  std::vector<std::uint8_t> rgb;
  if (DWORD error = captureSteady(area, rgb)) return error;
  return writeFile(path, encodePng(area.right - area.left, area.bottom - area.top, rgb));
}

PageAlbum::PageAlbum(const std::string& folder) : folder_(folder) {
  SHCreateDirectoryExA(nullptr, folder_.c_str(), nullptr);
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA((folder_ + "\\*.png").c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    DeleteFileA((folder_ + "\\" + data.cFileName).c_str());
  } while (FindNextFileA(search, &data));
  FindClose(search);
}

DWORD PageAlbum::take(HWND sheet, int pageId) {
  char name[32];
  std::snprintf(name, sizeof name, "%02d-page%d.png", ++taken_, pageId);
  return saveScreenshot(sheet, folder_ + "\\" + name);
}
