// Writes a favourites tree below one destination folder: a directory for
// every folder and an Internet Shortcut file ("<title>.url") for every
// favourite, and one progress step for every record read.
//
// Titles come from an untrusted file. Each becomes exactly one path
// component: escaped with TitleEscapes, "%" when empty, a '%' behind a
// device name ("CON%.url") and behind a folder name's trailing dot or space
// ("Misc.%", "News %"), so that nothing is written outside the destination,
// opens a device or is lost under a name Windows changes. A favourite, or a
// folder with its whole subtree, whose path does not fit into MAX_PATH
// characters is skipped, never written under a cut name. Writing is best
// effort: a directory or file that cannot be made is skipped without a
// message, and so is a folder's subtree when its directory cannot be made.
// What was written and what was skipped is counted, by reason, for a front
// end that reports it.
#pragma once

#include "favorites/FavoritesSink.h"
#include "favorites/Texts.h"
#include "favorites/Timestamp.h"

#include <windows.h>

struct ImportCounts {
  DWORD folders = 0;      // directories made or reused
  DWORD favorites = 0;    // shortcut files written
  DWORD pathTooLong = 0;  // favourites and folders (with their subtree counted once) skipped: no room in MAX_PATH
  DWORD invalidName = 0;  // skipped because Windows refuses the name (ERROR_INVALID_NAME, e.g. a control character)
  DWORD notWritten = 0;   // other failures to make a directory or file
};

class FavoritesFolderWriter : public FavoritesSink {
public:
  // `destinationFolder` exists already; `progressBar` may be null.
  FavoritesFolderWriter(const char* destinationFolder, HWND progressBar);

  FavoritesFolderWriter(const FavoritesFolderWriter&) = delete;
  FavoritesFolderWriter& operator=(const FavoritesFolderWriter&) = delete;

  // Steps the progress bar (PBM_STEPIT).
  void advance() override;
  // Opens the title's component: the folder or favourite that follows.
  void setTitle(const char* title) override;
  void beginFavorite() override;
  void setUrl(const char* url) override;
  // Writes the favourite's shortcut file and closes its component.
  void endFavorite() override;
  void beginFolder() override {}
  // Creates the directory of the open folder; an existing one is reused.
  void enterFolder() override;
  // Closes the last component opened.
  void leaveFolder() override;
  void endFolder() override {}

  // Writes the shortcut file of the open component, "<path>.url": the
  // `urlLength` characters of `url` (null counts as empty) and, unless it is
  // 0, the time. Any failure skips the file silently; only a failure to
  // close a handle left open by an earlier failure is thrown (FileError
  // EventCloseOutputFile).
  void writeUrlFile(const char* url, DWORD urlLength, const Timestamp& time);

  // The time every favourite gets: one second before construction.
  Timestamp defaultTime() const { return defaultTime_; }

  const ImportCounts& counts() const { return counts_; }

private:
  bool appendComponent(const char* title);
  void removeComponent();
  // Counts an item that could not be made, by the system's error `code`.
  void countFailure(DWORD code);

  HWND progressBar_;
  char path_[MAX_PATH];
  // Characters of path_ in use; path_ is terminated there.
  DWORD pathLength_;
  // Length of the destination folder: no component is ever removed from it.
  DWORD rootLength_;
  // Components opened by setTitle that did not fit and were not added to
  // path_; while there are any, nothing is written.
  DWORD skippedLevels_;
  LocalText url_;
  Timestamp itemTime_;
  Timestamp defaultTime_;
  ImportCounts counts_;
};
