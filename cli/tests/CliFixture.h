// A working folder with AOL profiles made by the builder, for running
// placemove-cli in.
#pragma once

#include "cli/tests/RunProgram.h"
#include "tests/builder/OrganizeBuilder.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

class CliTest : public ::testing::Test {
 protected:
  TempFolder work;

  // Saves the profile's organize file as `relative` below the working folder.
  void saveProfile(const std::string& relative, const builder::Profile& profile) {
    builder::OrganizeFile(profile).save(work / relative);
  }
  CliRun run(const std::vector<std::string>& arguments) { return runCli(arguments, work.path()); }
  bool exists(const std::string& relative) const {
    std::vector<std::string> tree = work.tree();
    return std::find(tree.begin(), tree.end(), relative) != tree.end();
  }
};

// The lines of a text, without their line ends.
inline std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (char c : text) {
    if (c == '\r') continue;
    if (c == '\n') {
      lines.push_back(line);
      line.clear();
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

inline bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
