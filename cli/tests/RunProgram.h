// Runs the built placemove-cli as a user does, in a working folder, with
// its standard output and standard error collected.
#pragma once

#include <string>
#include <vector>

struct CliRun {
  int exitCode;
  std::string out;
  std::string err;
};

// `workingFolder` is a path of the test's own (backslashes); arguments are
// passed as they are.
CliRun runCli(const std::vector<std::string>& arguments, const std::string& workingFolder);

// A path of the test's own (backslashes) as the program's user writes it.
std::string userPath(const std::string& path);
