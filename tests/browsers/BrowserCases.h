// The AOL profiles of the browser check, described once: what each organize
// file holds, and the runs of `placemove-cli export` over them. What the
// browsers should show of each run is computed from the same description
// (tests/browsers/ExpectedTrees.h).
#pragma once

#include "tests/builder/OrganizeBuilder.h"

#include <string>
#include <vector>

namespace browsers {

// A favourite or folder of a profile. Titles and URLs are bytes in the code
// page of the machine that ran the AOL client.
struct Node {
  std::string title;
  bool isFolder = false;
  std::string url;
  // The URL as both browsers keep it after the import (UTF-8), where their
  // URL parser changes it; empty for "as written".
  std::string shown;
  // A URL that both browsers refuse to import (AOL-only links).
  bool refused = false;
  std::vector<Node> children;
};

Node link(const std::string& title, const std::string& url, const std::string& shown = "");
Node refusedLink(const std::string& title, const std::string& url);
Node folder(const std::string& title, std::vector<Node> children);

struct CaseProfile {
  std::string fileName;
  std::string screenName;
  std::vector<Node> favorites;  // the contents of its "Favorite Places"
};

// One run of `placemove-cli export` and what the browsers should show of it.
struct ExportRun {
  std::string name;
  std::string directory;  // of the profiles, relative to the case folder
  std::vector<std::string> options;
  std::vector<const CaseProfile*> profiles;  // exported, in the order of the file
  std::string topFolder;                     // UTF-8
  std::string codePage;                      // "windows-1252", "windows-1251" or "utf-8"
};

struct CaseSet {
  std::vector<std::pair<std::string, std::vector<CaseProfile>>> directories;
  std::vector<ExportRun> runs;
};

// The profiles and runs; the runs point into the returned set's profiles.
const CaseSet& browserCases();

// The organize file of a profile.
builder::Profile organizeProfile(const CaseProfile& profile);

}  // namespace browsers
