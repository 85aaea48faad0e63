#include "bookmarks/BookmarksFileWriter.h"

#include "favorites/UrlScheme.h"
#include "support/Errors.h"

#include <cstring>

namespace {

const char* const Header[] = {
    "<!DOCTYPE NETSCAPE-Bookmark-file-1>",
    "<!-- AOL Favorite Places, written by Placemove for a browser to import. -->",
    "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">",
    "<TITLE>Bookmarks</TITLE>",
    "<H1>Bookmarks</H1>",
    "<DL><p>",
};

}  // namespace

BookmarksFileWriter::BookmarksFileWriter(OutputStream& out, const CodePage& codePage, LONGLONG addDate)
    : file_(out),
      codePage_(codePage),
      addDate_(),
      aolList_(nullptr),
      started_(false),
      depth_(0),
      flattenedLevels_(0),
      favoriteOpen_(false),
      titleSize_(0) {
  formatNumber(addDate, addDate_);
}

void BookmarksFileWriter::openTopFolder(const char* title, const CodePage& titleCodePage) {
  startFile();
  openFolder(title, titleCodePage);
}

void BookmarksFileWriter::closeFolders(DWORD depth) {
  dropItem();
  while (flattenedLevels_ > 0 && this->depth() > depth) --flattenedLevels_;
  while (depth_ > depth) closeFolder();
}

void BookmarksFileWriter::finish() {
  startFile();
  closeFolders(0);
  file_.write("</DL><p>");
  file_.endLine();
}

// A title of any length is kept whole: the buffer grows to fit it.
void BookmarksFileWriter::setTitle(const char* title) {
  DWORD size = static_cast<DWORD>(std::strlen(title)) + 1;
  if (size > titleSize_) {
    DWORD newSize = size < 2 * titleSize_ ? 2 * titleSize_ : size;
    char* buffer = static_cast<char*>(LocalAlloc(LMEM_FIXED, newSize));
    if (buffer == nullptr) throw mirrex::Win32Error("LocalAlloc");
    title_.reset(buffer);
    titleSize_ = newSize;
  }
  std::memcpy(title_.get(), title, size);
}

void BookmarksFileWriter::beginFavorite() {
  dropItem();
  favoriteOpen_ = true;
}

// The line is written here, with the title that came before: the URL is
// never copied.
void BookmarksFileWriter::setUrl(const char* url) {
  if (!favoriteOpen_) return;
  favoriteOpen_ = false;
  DWORD length = static_cast<DWORD>(std::strlen(url));
  if (isScriptUrl(url, length)) {
    ++counts_.scriptUrls;
    return;
  }
  file_.writeIndent(depth_ + 1);
  file_.write("<DT><A HREF=\"");
  file_.writeText(url, codePage_, TextField::Url);
  file_.write("\" ADD_DATE=\"");
  file_.write(addDate_);
  file_.write("\">");
  file_.writeText(titleText(), codePage_, TextField::Title);
  file_.write("</A>");
  file_.endLine();
  ++counts_.favorites;
  if (isAolOnlyUrl(url, length)) {
    ++counts_.aolOnlyLinks;
    if (aolList_ != nullptr) writeAolListLine(url);
  }
}

void BookmarksFileWriter::endFavorite() { dropItem(); }

void BookmarksFileWriter::beginFolder() { dropItem(); }

void BookmarksFileWriter::enterFolder() {
  if (depth_ >= MaxFolderDepth) {
    ++flattenedLevels_;
    ++counts_.flattenedFolders;
  } else {
    openFolder(titleText(), codePage_);
    ++counts_.folders;
  }
  dropItem();
}

void BookmarksFileWriter::leaveFolder() {
  if (flattenedLevels_ > 0) {
    --flattenedLevels_;
  } else if (depth_ > 1) {
    closeFolder();
  }
}

void BookmarksFileWriter::endFolder() { dropItem(); }

void BookmarksFileWriter::startFile() {
  if (started_) return;
  started_ = true;
  for (const char* line : Header) {
    file_.write(line);
    file_.endLine();
  }
}

void BookmarksFileWriter::openFolder(const char* title, const CodePage& codePage) {
  file_.writeIndent(depth_ + 1);
  file_.write("<DT><H3 ADD_DATE=\"");
  file_.write(addDate_);
  file_.write("\">");
  file_.writeText(title, codePage, TextField::Title);
  file_.write("</H3>");
  file_.endLine();
  file_.writeIndent(depth_ + 1);
  file_.write("<DL><p>");
  file_.endLine();
  ++depth_;
}

void BookmarksFileWriter::closeFolder() {
  file_.writeIndent(depth_);
  file_.write("</DL><p>");
  file_.endLine();
  --depth_;
}

void BookmarksFileWriter::writeAolListLine(const char* url) {
  MarkupOutput line(*aolList_);
  line.writeText(url, codePage_, TextField::ListUrl);
  line.write("\t");
  line.writeText(titleText(), codePage_, TextField::ListTitle);
  line.endLine();
}

// The next item starts without a title: an item that gets none has an
// empty one.
void BookmarksFileWriter::dropItem() {
  favoriteOpen_ = false;
  if (title_) title_.get()[0] = '\0';
}
