// What Firefox and Chromium show after importing the bookmarks file of an
// export run, computed from the description of its profiles, as canonical
// trees (one item a line, see tests/browsers/canonical.py).
//
// The model of the bookmarks file: titles and URLs converted from the run's
// code page to UTF-8; in titles each run of C0 controls and DEL written as
// one space and the C1 controls as they are (UTF-8); in URLs the C0 controls
// and DEL percent-encoded; favourites with a script URL not written.
// The model of the browsers, as measured: Firefox trims the spaces around a
// link's title and keeps every folder; Chromium drops folders without an
// imported link and merges sibling folders of one title; both refuse
// AOL-only links.
#pragma once

#include "tests/browsers/BrowserCases.h"

#include <string>

namespace browsers {

std::string expectedFirefoxTree(const ExportRun& run);
std::string expectedChromiumTree(const ExportRun& run);

}  // namespace browsers
