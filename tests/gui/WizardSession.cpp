#include "tests/gui/WizardSession.h"

#include "tests/gui/Controls.h"
#include "tests/gui/Sheet.h"
#include "tests/gui/Wait.h"

#include <gtest/gtest.h>
#include <shlobj.h>

namespace {

// screenshots/<suite>.<test> below the test's build folder.
std::string albumFolder() {
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = test == nullptr ? "unnamed" : std::string(test->test_suite_name()) + "." + test->name();
  return windowsPathOf(PLACEMOVE_SCREENSHOTS "/" + name);
}

void listInto(const std::string& root, const std::string& relative, std::map<std::string, std::string>& files) {
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA((root + "\\" + relative + "*").c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    std::string name = data.cFileName;
    if (name == "." || name == "..") continue;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      files[relative + name + "\\"] = "";
      listInto(root, relative + name + "\\", files);
    } else {
      HANDLE file = CreateFileA((root + "\\" + relative + name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr);
      std::string bytes(data.nFileSizeLow, '\0');
      DWORD got = 0;
      if (file == INVALID_HANDLE_VALUE || !ReadFile(file, &bytes[0], data.nFileSizeLow, &got, nullptr)) {
        ADD_FAILURE() << "cannot read " << relative << name << ": error " << GetLastError();
      }
      if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
      files[relative + name] = bytes.substr(0, got);
    }
  } while (FindNextFileA(search, &data));
  FindClose(search);
}

// The Favorites folder of the private Wine prefix.
std::string favoritesFolder() {
  char path[MAX_PATH] = "";
  HRESULT result = SHGetFolderPathA(nullptr, CSIDL_FAVORITES, nullptr, SHGFP_TYPE_CURRENT, path);
  EXPECT_EQ(result, S_OK) << "SHGetFolderPath(CSIDL_FAVORITES)";
  return path;
}

}  // namespace

WizardSession::WizardSession(const std::string& arguments)
    : program(placemovePath(), arguments), album_(albumFolder()) {
  EXPECT_TRUE(program.started()) << "CreateProcess: error " << program.error();
}

HWND WizardSession::waitForPage(int pageId) {
  bool shown = waitFor([&] {
    sheet = findSheet(program.id());
    return sheet != nullptr && currentPageId(sheet) == pageId;
  });
  EXPECT_TRUE(shown) << "page " << pageId << " did not show; the sheet is " << sheet << " on page "
                     << (sheet ? currentPageId(sheet) : 0);
  if (!shown) return nullptr;
  savePage();
  return currentPage(sheet);
}

HWND WizardSession::next(int pageId) {
  EXPECT_TRUE(pressButton(sheet, PSBTN_NEXT));
  return waitForPage(pageId);
}

HWND WizardSession::back(int pageId) {
  EXPECT_TRUE(pressButton(sheet, PSBTN_BACK));
  return waitForPage(pageId);
}

HWND WizardSession::page() const { return currentPage(sheet); }

void WizardSession::savePage() {
  int pageId = currentPageId(sheet);
  if (DWORD error = album_.take(sheet, pageId)) ADD_FAILURE() << "screenshot of page " << pageId << ": error " << error;
}

HWND WizardSession::waitForMessageBox() {
  HWND box = nullptr;
  EXPECT_TRUE(waitFor([&] { return (box = findMessageBox(program.id())) != nullptr; })) << "no message box";
  return box;
}

void WizardSession::expectMessage(HWND box, const std::string& text, const std::vector<int>& buttons) {
  ASSERT_NE(box, nullptr);
  MessageBoxView view = readMessageBox(box);
  EXPECT_EQ(view.text, text);
  EXPECT_EQ(view.buttons, buttons);
  EXPECT_TRUE(view.hasIcon) << "no error icon";
}

void WizardSession::expectExitCodeZero() {
  DWORD exitCode = 0xDEAD;
  ASSERT_TRUE(program.waitForExit(DefaultTimeout, exitCode)) << "the program did not end";
  EXPECT_EQ(exitCode, 0u);
}

void WizardSession::cancel() {
  ASSERT_TRUE(pressButton(sheet, PSBTN_CANCEL));
  expectExitCodeZero();
}

std::string programString(UINT stringId) {
  HMODULE executable = LoadLibraryExA(placemovePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  EXPECT_NE(executable, nullptr) << "LoadLibraryEx: error " << GetLastError();
  char text[1024] = "";
  LoadStringA(executable, stringId, text, sizeof text);
  FreeLibrary(executable);
  return text;
}

std::string programMessage(UINT stringId, const std::string& first, const std::string& second) {
  char text[1024] = "";
  // The messages take two texts at most; one that takes fewer ignores the
  // rest.
  wsprintfA(text, programString(stringId).c_str(), first.c_str(), second.c_str());
  return text;
}

std::string systemText(DWORD code) {
  char text[1024] = "";
  FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text, sizeof text,
                 nullptr);
  return text;
}

FreshFavoritesFolder::FreshFavoritesFolder() : path_(favoritesFolder()), setAside_(path_ + ".set-aside-by-test") {
  if (GetFileAttributesA(setAside_.c_str()) != INVALID_FILE_ATTRIBUTES) putBack();
  if (!MoveFileA(path_.c_str(), setAside_.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND) {
    ADD_FAILURE() << "MoveFile " << path_ << ": error " << GetLastError();
  }
  if (!CreateDirectoryA(path_.c_str(), nullptr)) ADD_FAILURE() << "CreateDirectory " << path_ << ": error " << GetLastError();
}

FreshFavoritesFolder::~FreshFavoritesFolder() { putBack(); }

void FreshFavoritesFolder::putBack() const {
  removeTree(path_);
  if (GetFileAttributesA(setAside_.c_str()) != INVALID_FILE_ATTRIBUTES && !MoveFileA(setAside_.c_str(), path_.c_str())) {
    ADD_FAILURE() << "the Favorites folder set aside as " << setAside_ << " could not be put back: error "
                  << GetLastError();
  }
}

std::map<std::string, std::string> filesBelow(const std::string& folder) {
  std::map<std::string, std::string> files;
  listInto(folder, "", files);
  return files;
}

void removeTree(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    DeleteFileA(path.c_str());
    return;
  }
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA((path + "\\*").c_str(), &data);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::string name = data.cFileName;
      if (name != "." && name != "..") removeTree(path + "\\" + name);
    } while (FindNextFileA(search, &data));
    FindClose(search);
  }
  RemoveDirectoryA(path.c_str());
}
