// Writes the AOL profiles of the browser check and what the browsers should
// show of each export of them:
//   MakeBrowserCases <folder>
// <folder>/<directory>/<file>: the organize files, one directory of profiles
//   for each set;
// <folder>/runs.txt: one export a line, its fields separated by TAB: the
//   run's name, the directory of profiles, then the options of the export;
// <folder>/<run>.firefox.txt and <run>.chromium.txt: the expected trees.
#include "tests/browsers/BrowserCases.h"
#include "tests/browsers/ExpectedTrees.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace {

bool makeDirectory(const std::string& path) {
  std::error_code error;
  std::filesystem::create_directory(path, error);
  if (!error) return true;
  std::fprintf(stderr, "MakeBrowserCases: cannot make %s: %s\n", path.c_str(), error.message().c_str());
  return false;
}

bool writeFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  out.close();
  if (out) return true;
  std::fprintf(stderr, "MakeBrowserCases: cannot write %s\n", path.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: MakeBrowserCases <folder>\n");
    return 2;
  }
  std::string folder = argv[1];
  const browsers::CaseSet& cases = browsers::browserCases();
  if (!makeDirectory(folder)) return 1;
  for (const auto& [directory, profiles] : cases.directories) {
    if (!makeDirectory(folder + "/" + directory)) return 1;
    for (const browsers::CaseProfile& profile : profiles) {
      builder::OrganizeFile file(browsers::organizeProfile(profile));
      if (!writeFile(folder + "/" + directory + "/" + profile.fileName, file.bytes())) return 1;
    }
  }
  std::string runs;
  for (const browsers::ExportRun& run : cases.runs) {
    runs += run.name + "\t" + run.directory;
    for (const std::string& option : run.options) runs += "\t" + option;
    runs += "\n";
    if (!writeFile(folder + "/" + run.name + ".firefox.txt", browsers::expectedFirefoxTree(run)) ||
        !writeFile(folder + "/" + run.name + ".chromium.txt", browsers::expectedChromiumTree(run))) {
      return 1;
    }
  }
  return writeFile(folder + "/runs.txt", runs) ? 0 : 1;
}
