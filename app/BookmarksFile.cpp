#include "app/BookmarksFile.h"

#include "aol/organize/FavoritePlaces.h"
#include "bookmarks/CodePage.h"
#include "bookmarks/SelectedProfiles.h"
#include "favorites/BarProgress.h"
#include "favorites/ForwardingSink.h"
#include "favorites/OutputStreams.h"
#include "favorites/SafeOutputFile.h"
#include "favorites/Timestamp.h"

#include <windows.h>
#include <commctrl.h>

namespace {

void setPosition(HWND progressBar, DWORD position) {
  if (progressBar != nullptr) SendMessageA(progressBar, PBM_SETPOS, position, 0);
}

// Every record read moves the bar; the file gets everything else.
class BarProgressSink : public ForwardingSink {
 public:
  BarProgressSink(FavoritesSink& next, HWND progressBar) : ForwardingSink(next), progress_(progressBar) {}
  void advance() override { progress_.advance(); }

 private:
  BarProgress progress_;
};

// Reads each profile as the Favorites import does: a profile that cannot be
// read throws, and the worker stops with its message. After each profile
// the bar shows the item counts read so far.
class BarProfileReader : public ProfileReader {
 public:
  explicit BarProfileReader(HWND progressBar) : progressBar_(progressBar), read_(0) {}

  bool read(const ProfileEntry& entry, FavoritesSink& sink) override {
    {
      BarProgressSink counted(sink, progressBar_);
      readFavoritePlaces(entry.profilePath, counted);
    }
    read_ += entry.itemCount;
    setPosition(progressBar_, read_);
    return true;
  }

 private:
  HWND progressBar_;
  DWORD read_;
};

}  // namespace

BookmarkCounts saveBookmarksFile(const ProfileTable& table, const char* folderName, const char* path, bool replace,
                                 HWND progressBar) {
  SafeOutputFile file(path);
  BookmarkCounts counts;
  {
    BufferedOutputStream buffer(&file.stream());
    BookmarksFileWriter writer(buffer, CodePage::standard(), Timestamp::now().value() / TimestampSecond);
    writer.openTopFolder(folderName, CodePage::standard());
    BarProfileReader reader(progressBar);
    int rows = table.profileCount < MaxProfiles ? table.profileCount : MaxProfiles;
    writeSelectedProfiles(writer, table.entries, rows, table.selectedCount, reader);
    writer.finish();
    buffer.flush();
    counts = writer.counts();
  }
  setPosition(progressBar, static_cast<DWORD>(table.totalItemCount));
  file.commit(replace);
  return counts;
}
