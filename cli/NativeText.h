// The texts of a profile (screen names, titles) as this platform names
// files and shows text: natively UTF-8, converted from the code page of the
// profiles (--codepage); on Windows the 8-bit texts as they are, in the
// ANSI code page the wizard writes them in.
#pragma once

#include "bookmarks/CodePage.h"
#include "favorites/ForwardingSink.h"

#include <windows.h>

// `text` in `native` (`size` characters, terminated); false when it was cut
// to fit, before a character that did not fit whole.
bool nativeText(const char* text, const CodePage& codePage, char* native, DWORD size);

// Forwards every call to `next`, with each title made native.
class NativeTitleSink : public ForwardingSink {
 public:
  NativeTitleSink(FavoritesSink& next, const CodePage& codePage) : ForwardingSink(next), codePage_(codePage) {}

  // A title cut here is far longer than any path (MAX_PATH), so that a
  // writer of files skips it as too long, never under its cut name.
  void setTitle(const char* title) override {
    nativeText(title, codePage_, title_, TitleSize);
    next_.setTitle(title_);
  }

 private:
  static const DWORD TitleSize = 4 * MAX_PATH;

  const CodePage& codePage_;
  char title_[TitleSize];
};
