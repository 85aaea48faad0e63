// A run of the real Placemove.exe under test, driven as a user would drive
// it: pages waited for and left by the sheet's buttons, message boxes read
// and answered. Every page the run shows is saved as a screenshot under the
// build folder (screenshots/<test>/), so that a person can look at the
// wizard without running it. Failures are added to the running test.
#pragma once

#include "tests/gui/MessageBoxes.h"
#include "tests/gui/Program.h"
#include "tests/gui/Screenshot.h"

#include <windows.h>

#include <map>
#include <string>
#include <vector>

class WizardSession {
public:
  // Starts Placemove.exe with the command-line tail `arguments`.
  explicit WizardSession(const std::string& arguments);

  RunningProgram program;
  HWND sheet = nullptr;  // once a page has shown

  // Waits until the sheet shows page `pageId` and saves its screenshot;
  // returns the page's window, or null when it did not show.
  HWND waitForPage(int pageId);
  // Presses Next or Back and waits for page `pageId`.
  HWND next(int pageId);
  HWND back(int pageId);
  // The page shown now.
  HWND page() const;
  // Saves the page shown now once more, as it looks now.
  void savePage();

  // Waits for a message box; null when none came.
  HWND waitForMessageBox();
  // Checks that the box shows `text` with the error icon and exactly
  // `buttons`, in order.
  void expectMessage(HWND box, const std::string& text, const std::vector<int>& buttons);

  // Waits for the program to end and checks its exit code, 0.
  void expectExitCodeZero();
  // Cancels the wizard; the program ends with exit code 0.
  void cancel();

private:
  PageAlbum album_;
};

// String `stringId` of Placemove.exe's string table, as it is there.
std::string programString(UINT stringId);

// The text of message `stringId` of Placemove.exe's string table with the
// texts it takes put in, as the program shows it.
std::string programMessage(UINT stringId, const std::string& first = "", const std::string& second = "");

// The system's text of an error code, as FormatMessage gives it.
std::string systemText(DWORD code);

// An empty Favorites folder for one test: the prefix's own is set aside
// (renamed) while the test runs and put back, with nothing the test wrote,
// when it ends; a folder set aside by a run that never ended is put back
// first. Tests that use it hold the "favorites-folder" resource lock.
class FreshFavoritesFolder {
public:
  FreshFavoritesFolder();
  ~FreshFavoritesFolder();
  FreshFavoritesFolder(const FreshFavoritesFolder&) = delete;
  FreshFavoritesFolder& operator=(const FreshFavoritesFolder&) = delete;

  const std::string& path() const { return path_; }

private:
  void putBack() const;

  std::string path_;
  std::string setAside_;
};

// Every folder and file below `folder`, relative to it and sorted, folders
// ending in a backslash, with the bytes of each file.
std::map<std::string, std::string> filesBelow(const std::string& folder);

// Removes a folder and everything in it, or a file.
void removeTree(const std::string& path);
