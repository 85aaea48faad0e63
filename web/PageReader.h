// How the page reads a profile: with the page's progress bar, and the
// reason of what could not be read kept for the page to show.
#pragma once

#include "bookmarks/SelectedProfiles.h"
#include "favorites/ForwardingSink.h"
#include "web/PageNames.h"

#include <windows.h>

class PageProfileReader : public ProfileReader {
 public:
  // `total` records are to come, over every profile this reader reads.
  explicit PageProfileReader(DWORD total) : total_(total) {}

  // False when the profile cannot be read, the reason in problem(). A
  // profile read in part is counted, what could not be read in problem().
  bool read(const ProfileEntry& entry, FavoritesSink& sink) override;

  // What went wrong with the last profile read, "" when nothing did.
  const char* problem() const { return problem_; }
  DWORD damagedProfiles() const { return damaged_; }
  // One record read: the page's bar moves every few thousand.
  void step();

 private:
  DWORD done_ = 0;
  DWORD total_;
  DWORD damaged_ = 0;
  char problem_[PageTextSize] = "";
};

// Forwards every call to `next`, and counts advance() in `reader`.
class PageProgressSink : public ForwardingSink {
 public:
  PageProgressSink(FavoritesSink& next, PageProfileReader& reader) : ForwardingSink(next), reader_(reader) {}

  void advance() override {
    reader_.step();
    next_.advance();
  }

 private:
  PageProfileReader& reader_;
};
