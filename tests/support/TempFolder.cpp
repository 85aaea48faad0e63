#include "tests/support/TempFolder.h"

#include <windows.h>

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace {

void listInto(const std::string& root, const std::string& relative, std::vector<std::string>& entries) {
  WIN32_FIND_DATAA data;
  std::string directory = relative.empty() ? root : root + "\\" + relative;
  HANDLE search = FindFirstFileA((directory + "\\*").c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    std::string name = data.cFileName;
    if (name == "." || name == "..") continue;
    std::string entry = relative.empty() ? name : relative + "\\" + name;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      entries.push_back(entry + "\\");
      listInto(root, entry, entries);
    } else {
      entries.push_back(entry);
    }
  } while (FindNextFileA(search, &data));
  FindClose(search);
}

void removeTree(const std::string& directory) {
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA((directory + "\\*").c_str(), &data);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      std::string path = directory + "\\" + name;
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        removeTree(path);
      } else {
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(search, &data));
    FindClose(search);
  }
  RemoveDirectoryA(directory.c_str());
}

}  // namespace

TempFolder::TempFolder() {
  char base[MAX_PATH];
  DWORD length = GetTempPathA(MAX_PATH, base);
  if (length == 0 || length >= MAX_PATH) ADD_FAILURE() << "GetTempPath failed: " << GetLastError();
  std::string root(base, length);
  if (!root.empty() && (root.back() == '\\' || root.back() == '/')) root.pop_back();
  std::random_device random;
  for (;;) {
    path_ = root + "\\placemove-test-" + std::to_string(random());
    if (CreateDirectoryA(path_.c_str(), nullptr)) break;
    if (GetLastError() != ERROR_ALREADY_EXISTS) {
      ADD_FAILURE() << "CreateDirectory " << path_ << " failed: " << GetLastError();
      break;
    }
  }
}

TempFolder::~TempFolder() { removeTree(path_); }

std::string TempFolder::operator/(const std::string& relative) const { return path_ + "\\" + relative; }

std::vector<std::string> TempFolder::tree() const {
  std::vector<std::string> entries;
  listInto(path_, "", entries);
  std::sort(entries.begin(), entries.end());
  return entries;
}

std::string TempFolder::read(const std::string& relative) const { return readWholeFile(*this / relative); }

void TempFolder::write(const std::string& relative, const std::string& bytes) const {
  writeWholeFile(*this / relative, bytes);
}

void TempFolder::makeDirectory(const std::string& relative) const {
  if (!CreateDirectoryA((*this / relative).c_str(), nullptr)) {
    ADD_FAILURE() << "CreateDirectory " << relative << " failed: " << GetLastError();
  }
}

std::string readWholeFile(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            0, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    ADD_FAILURE() << "cannot open " << path << ": error " << GetLastError();
    return std::string();
  }
  std::string bytes;
  char chunk[65536];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
  CloseHandle(file);
  return bytes;
}

void writeWholeFile(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    ADD_FAILURE() << "cannot create " << path << ": error " << GetLastError();
    return;
  }
  DWORD written = 0;
  if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
      written != bytes.size()) {
    ADD_FAILURE() << "cannot write " << path << ": error " << GetLastError();
  }
  CloseHandle(file);
}
