#include "favorites/FavoritesFolderWriter.h"

#include "favorites/Names.h"

#include <windows.h>

#include <cstring>

FavoritesFolderWriter::FavoritesFolderWriter(const char* destinationFolder, HWND progressBar)
    : progress_(progressBar),
      pathLength_(0),
      rootLength_(0),
      skippedLevels_(0),
      skipReason_(&counts_.notWritten) {
  pathLength_ = copyText(destinationFolder, path_, MAX_PATH);
  if (pathLength_ == MAX_PATH) {
    // A destination that does not fit leaves no room for any component:
    // every item is skipped.
    pathLength_ = MAX_PATH - 1;
  } else if (pathLength_ > 0 && path_[pathLength_ - 1] == '\\') {
    // Each component brings its own backslash.
    --pathLength_;
  }
  path_[pathLength_] = '\0';
  rootLength_ = pathLength_;
  defaultTime_ = Timestamp(Timestamp::now().value() - TimestampSecond);
}

void FavoritesFolderWriter::advance() { progress_.advance(); }

void FavoritesFolderWriter::setTitle(const char* title) {
  if (skippedLevels_ > 0) {
    ++skippedLevels_;
  } else if (!appendComponent(title)) {
    // Counted when the item it opens is known: in endFavorite or enterFolder.
    skippedLevels_ = 1;
    skipReason_ = &counts_.pathTooLong;
  }
}

void FavoritesFolderWriter::beginFavorite() { itemTime_ = defaultTime_; }

void FavoritesFolderWriter::setUrl(const char* url) { url_.reset(duplicateString(url)); }

void FavoritesFolderWriter::endFavorite() {
  DWORD urlLength = url_ ? static_cast<DWORD>(std::strlen(url_.get())) : 0;
  writeUrlFile(url_.get(), urlLength, itemTime_);
  leaveFolder();
}

void FavoritesFolderWriter::enterFolder() {
  if (skippedLevels_ > 0) {
    ++*skipReason_;
    return;
  }
  if (pathLength_ == rootLength_) return;
  // Only a folder's name gets the mark: a favourite's name ends in ".url".
  DWORD length = protectTrailingDotOrSpace(path_, pathLength_, MAX_PATH);
  if (length == MAX_PATH) {
    removeComponent();
    skippedLevels_ = 1;
    skipReason_ = &counts_.pathTooLong;
    ++counts_.pathTooLong;
    return;
  }
  pathLength_ = length;
  DWORD code = CreateDirectoryA(path_, nullptr) ? ERROR_SUCCESS : GetLastError();
  if (code == ERROR_SUCCESS || code == ERROR_ALREADY_EXISTS) {
    ++counts_.folders;
    return;
  }
  // Nothing of the subtree can be made without its directory: it is
  // skipped, each item counted for the same reason.
  skipReason_ = &countFailure(code);
  removeComponent();
  skippedLevels_ = 1;
}

DWORD& FavoritesFolderWriter::countFailure(DWORD code) {
  DWORD& count = code == ERROR_INVALID_NAME           ? counts_.invalidName
                 : code == ERROR_FILENAME_EXCED_RANGE ? counts_.pathTooLong
                                                      : counts_.notWritten;
  ++count;
  bool inDestination = std::memchr(path_ + rootLength_ + 1, '\\', pathLength_ - rootLength_ - 1) == nullptr;
  if (&count == &counts_.notWritten && inDestination && counts_.destinationError == ERROR_SUCCESS) {
    counts_.destinationError = code;
  }
  return count;
}

void FavoritesFolderWriter::countWritten(bool created) {
  bool first = written_.add(path_);
  if (!created && !first) {
    ++counts_.replaced;
    return;
  }
  ++counts_.favorites;
  if (!created) ++counts_.replacedOlder;
}

void FavoritesFolderWriter::leaveFolder() {
  if (skippedLevels_ > 0) {
    --skippedLevels_;
  } else {
    removeComponent();
  }
}

// Adds "\" and the title's component, and false when the component and a
// terminator do not fit. A component that would end at the last place of
// the buffer counts as not fitting: no directory, file or child fits there.
bool FavoritesFolderWriter::appendComponent(const char* title) {
  if (pathLength_ + 2 >= MAX_PATH) return false;
  DWORD start = pathLength_ + 1;
  DWORD room = MAX_PATH - start;
  char* component = path_ + start;
  DWORD length = 1;
  if (title[0] == '\0') {
    component[0] = '%';
  } else {
    length = escapeName(title, '%', TitleEscapes, TitleEscapesLength, component, room);
  }
  if (length + 1 >= room) return false;
  length = protectDeviceName(component, length, room);
  if (length == room) return false;
  path_[pathLength_] = '\\';
  pathLength_ = start + length;
  path_[pathLength_] = '\0';
  return true;
}

void FavoritesFolderWriter::removeComponent() {
  while (pathLength_ > rootLength_ && path_[--pathLength_] != '\\') {
  }
  path_[pathLength_] = '\0';
}
