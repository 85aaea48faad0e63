// What every bookmarks file of the writer is, whatever the texts it was
// given: checked on the file's bytes alone, for the tests that feed the
// writer hostile texts and damaged profiles.
#pragma once

#include <string>

// "" for a well-formed file, otherwise what is wrong and on which line:
// valid UTF-8; the header, then one element a line, four spaces of
// indentation for each list open; every folder line followed by its list;
// lists balanced and all closed at the end; no control character; within
// a title or URL no '<', '>' or '"', and '&' only to begin an entity or a
// decimal character reference; no link whose URL, as a browser reads the
// attribute, runs script (isScriptUrl).
std::string bookmarksFault(const std::string& file);
