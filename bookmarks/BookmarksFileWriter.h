// Writes a favourites tree as a bookmarks file, the HTML format every
// browser imports:
//
//   <!DOCTYPE NETSCAPE-Bookmark-file-1>
//   <!-- a comment of ours -->
//   <META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=UTF-8">
//   <TITLE>Bookmarks</TITLE>
//   <H1>Bookmarks</H1>
//   <DL><p>
//       <DT><H3 ADD_DATE="...">top folder</H3>
//       <DL><p>
//           <DT><A HREF="..." ADD_DATE="...">title</A>
//       </DL><p>
//   </DL><p>
//
// One element a line, LF line ends, four spaces of indentation a level.
// Every folder and favourite is written in the order of the calls, the
// duplicates and empty titles too. Texts come from an untrusted file:
// they are converted to UTF-8 and escaped (see MarkupOutput) so that none
// of them can change the structure of the file, and a URL that runs script
// when clicked is not written at all.
//
// Folders nest at most MaxFolderDepth deep, the top folder counted: a
// browser's importer gives up on deeper files (one imports nothing at all
// past 97 levels). The folders below that depth are flattened: their
// favourites and subfolders' favourites are written into the deepest folder
// open, and the flattened folders are counted.
#pragma once

#include "bookmarks/CodePage.h"
#include "bookmarks/MarkupOutput.h"
#include "favorites/FavoritesSink.h"
#include "favorites/OutputStreams.h"
#include "support/LocalMemory.h"

#include <windows.h>

struct BookmarkCounts {
  DWORD folders = 0;       // folders written, the top folder not counted
  DWORD favorites = 0;     // links written, AOL-only links included
  DWORD aolOnlyLinks = 0;  // links of the aol: scheme, kept in the file as they are
  DWORD scriptUrls = 0;    // favourites not written: javascript:, vbscript:, data: URLs
  DWORD flattenedFolders = 0;  // folders too deep to nest, their favourites kept in the folder above
};

const DWORD MaxFolderDepth = 90;

// Streaming: nothing of the tree is held but the open favourite's title.
class BookmarksFileWriter : public FavoritesSink {
public:
  // `out` receives the file; texts of the sink calls are in `codePage`;
  // every item gets ADD_DATE=`addDate` (seconds since 1970). Writes nothing
  // yet.
  BookmarksFileWriter(OutputStream& out, const CodePage& codePage, LONGLONG addDate);

  BookmarksFileWriter(const BookmarksFileWriter&) = delete;
  BookmarksFileWriter& operator=(const BookmarksFileWriter&) = delete;

  // Writes the file's header and opens the top folder, its title in
  // `titleCodePage`. Comes before the sink calls.
  void openTopFolder(const char* title, const CodePage& titleCodePage);
  // Also writes each AOL-only link kept to `list` (may be null: no list),
  // one line each: the URL, a TAB, the title (both UTF-8, control
  // characters written as in the file), LF.
  void keepAolLinksIn(OutputStream* list) { aolList_ = list; }
  // Folders open, the top folder and flattened ones counted (0 before
  // openTopFolder).
  DWORD depth() const { return depth_ + flattenedLevels_; }
  // Closes open folders until `depth` remain; drops a favourite or folder
  // in progress. For a reader that threw in the middle of a profile.
  void closeFolders(DWORD depth);
  // Closes every folder still open (the top folder too) and ends the file;
  // a file without openTopFolder gets the header and an empty list. Does
  // not flush `out`.
  void finish();
  const BookmarkCounts& counts() const { return counts_; }

  // Keeps a copy of the title for the item in progress.
  void setTitle(const char* title) override;
  void beginFavorite() override;
  // Writes the favourite's line, or counts it as skipped.
  void setUrl(const char* url) override;
  void endFavorite() override;
  void beginFolder() override;
  // Writes the folder's line and opens its list; below MaxFolderDepth the
  // folder is flattened instead.
  void enterFolder() override;
  // Closes the list of the innermost folder, or ends a flattened one; never
  // the top folder's.
  void leaveFolder() override;
  void endFolder() override;

private:
  void startFile();
  void openFolder(const char* title, const CodePage& codePage);
  void closeFolder();
  void writeAolListLine(const char* url);
  void dropItem();
  const char* titleText() const { return title_ ? title_.get() : ""; }

  MarkupOutput file_;
  const CodePage& codePage_;
  // The digits of ADD_DATE.
  char addDate_[24];
  OutputStream* aolList_;
  bool started_;
  // Folders open in the file, and flattened folders entered below them.
  DWORD depth_;
  DWORD flattenedLevels_;
  // A favourite begun whose line is not written yet.
  bool favoriteOpen_;
  // The open item's title, in a buffer of titleSize_ characters reused from
  // one item to the next.
  LocalText title_;
  DWORD titleSize_;
  BookmarkCounts counts_;
};
