// Writes a favourites tree below one destination folder: a directory for
// every folder and an Internet Shortcut file ("<title>.url") for every
// favourite. It counts every record read on the progress bar (BarProgress),
// so that all of a profile's records are on the bar when its import
// returns.
//
// Titles come from an untrusted file. Each becomes exactly one path
// component: escaped with TitleEscapes, "%" when empty, a '%' behind a
// device name ("CON%.url") and behind a folder name's trailing dot or space
// ("Misc.%", "News %"), so that nothing is written outside the destination,
// opens a device or is lost under a name Windows changes. A favourite, or a
// folder with its whole subtree, whose path does not fit into MAX_PATH
// characters is skipped, never written under a cut name. A favourite whose
// URL runs script (isScriptUrl: "javascript:", "vbscript:", "data:", read
// as a lenient browser reads them) gets no shortcut file, which would run
// it when opened. Writing is best effort: a directory or file that cannot
// be made is skipped without a message, and so is a folder's subtree when
// its directory cannot be made. What was written and what was skipped is
// counted, by reason, for a front end that reports it: every favourite and
// folder of a skipped subtree counts under the reason its top was skipped
// for. A favourite whose file a later one of the same name writes over is
// counted apart.
#pragma once

#include "favorites/BarProgress.h"
#include "favorites/FavoritesSink.h"
#include "favorites/Texts.h"
#include "favorites/Timestamp.h"
#include "favorites/WrittenFiles.h"
#include "support/LocalMemory.h"

#include <windows.h>

struct ImportCounts {
  DWORD folders = 0;    // directories made or reused
  DWORD favorites = 0;  // shortcut files written, each holding its own favourite at the end
  DWORD replaced = 0;   // favourites whose file a later favourite of the same name wrote over
  DWORD replacedOlder = 0;  // files there before the writer that a favourite wrote over (counted in favorites)
  // Favourites and folders skipped, each of a skipped subtree counted:
  DWORD pathTooLong = 0;  // no room in MAX_PATH, or a name longer than the system takes
  DWORD invalidName = 0;  // Windows refuses the name (ERROR_INVALID_NAME, e.g. a control character)
  DWORD notWritten = 0;   // other failures to make a directory or file
  DWORD scriptUrls = 0;   // favourites not written: their URL runs script
  // The system's error code of the first item that could not be made right
  // in the destination folder for a reason other than its name: most often
  // the folder's own (read-only, gone). ERROR_SUCCESS when there was none.
  DWORD destinationError = ERROR_SUCCESS;
};

class FavoritesFolderWriter : public FavoritesSink {
public:
  // `destinationFolder` exists already; `progressBar` may be null, and
  // then the writer reads no clock either.
  FavoritesFolderWriter(const char* destinationFolder, HWND progressBar);
  // Moves the bar by the records counted since its last update.
  ~FavoritesFolderWriter() override = default;

  FavoritesFolderWriter(const FavoritesFolderWriter&) = delete;
  FavoritesFolderWriter& operator=(const FavoritesFolderWriter&) = delete;

  // Counts one record for the progress bar, and moves the bar when
  // ProgressInterval has passed since its last update.
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
  // 0, the time; a script URL is counted instead. Any failure skips the
  // file silently, counted; only a failure to close a handle left open by an
  // earlier failure is thrown (FileError EventCloseOutputFile).
  void writeUrlFile(const char* url, DWORD urlLength, const Timestamp& time);

  // The time every favourite gets: one second before construction.
  Timestamp defaultTime() const { return defaultTime_; }

  // Milliseconds between two updates of the progress bar.
  static const DWORD ProgressInterval = BarProgress::Interval;

  const ImportCounts& counts() const { return counts_; }

private:
  bool appendComponent(const char* title);
  void removeComponent();
  // Counts an item that could not be made, by the system's error `code`,
  // and returns the count its subtree goes to.
  DWORD& countFailure(DWORD code);
  // Counts the shortcut file just written at path_; `created` when no file
  // of its name was there.
  void countWritten(bool created);

  BarProgress progress_;
  char path_[MAX_PATH];
  // Characters of path_ in use; path_ is terminated there.
  DWORD pathLength_;
  // What was written and skipped, by reason; skipReason_ points into it.
  ImportCounts counts_;
  // Length of the destination folder: no component is ever removed from it.
  DWORD rootLength_;
  // Components opened by setTitle that did not fit, or whose directory
  // could not be made, and were not added to path_; while there are any,
  // nothing is written, and every item goes to the count skipReason_ names.
  DWORD skippedLevels_;
  DWORD* skipReason_;
  WrittenFiles written_;
  LocalText url_;
  Timestamp itemTime_;
  Timestamp defaultTime_;
};
