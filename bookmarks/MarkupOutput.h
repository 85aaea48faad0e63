// The lines of a bookmarks file, built in a small buffer and handed to the
// stream a line at a time (a longer line in pieces of the buffer's size),
// so that the stream sees a few calls a line rather than one a byte.
#pragma once

#include "bookmarks/CodePage.h"
#include "favorites/OutputStreams.h"

#include <windows.h>

// Where a text goes, which decides how its characters are written.
enum class TextField {
  Title,      // element content in the bookmarks file
  Url,        // attribute value in the bookmarks file
  ListTitle,  // the fields of a line of the list of AOL-only links
  ListUrl,
};

// The decimal digits of `number` (a '-' first when it is negative) and a
// terminator in `destination` of at least 21 characters; returns the
// number of characters before the terminator.
DWORD formatNumber(LONGLONG number, char* destination);

class MarkupOutput {
public:
  explicit MarkupOutput(OutputStream& out) : out_(out), count_(0) {}

  MarkupOutput(const MarkupOutput&) = delete;
  MarkupOutput& operator=(const MarkupOutput&) = delete;

  // ASCII text of our own, as it is.
  void write(const char* text);
  // Four spaces a level.
  void writeIndent(DWORD levels);
  // `text` in `codePage`, written as UTF-8. In the bookmarks file '&', '<',
  // '>' and '"' become entities; control characters are written as
  // writeControls says, so that no text can end a line, a field or an element.
  void writeText(const char* text, const CodePage& codePage, TextField field);
  // Ends the line with LF and hands what is held to the stream.
  void endLine();

private:
  static constexpr DWORD Capacity = 512;
  // The most bytes one character of a text becomes ("&quot;").
  static constexpr DWORD LongestCharacter = 8;

  // Writes the control character at `run` (and in a title the ones right
  // behind it); returns the text behind what it wrote.
  const char* writeControls(const char* run, TextField field);
  void writeBytes(const char* bytes, DWORD size);
  // The caller made room.
  void put(char c) { chunk_[count_++] = c; }
  void makeRoom(DWORD size) {
    if (count_ + size > Capacity) handOver();
  }
  void handOver();

  OutputStream& out_;
  char chunk_[Capacity];
  DWORD count_;
};
