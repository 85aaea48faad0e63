// On Windows (under Wine): through the command interpreter, every argument
// in double quotes; the program's path is the build's, on Wine's drive Z:.
#include "cli/tests/RunProgram.h"

#include "tests/support/TempFolder.h"

#include <cstdlib>

namespace {

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

std::string programPath() {
  std::string path = std::string("Z:") + PLACEMOVE_CLI;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

}  // namespace

std::string userPath(const std::string& path) { return path; }

CliRun runCli(const std::vector<std::string>& arguments, const std::string& workingFolder) {
  TempFolder streams;
  std::string command = "cd /d " + quoted(workingFolder) + " && " + quoted(programPath());
  for (const std::string& argument : arguments) command += " " + quoted(argument);
  command += " >" + quoted(streams / "out") + " 2>" + quoted(streams / "err") + " <NUL";
  int exitCode = std::system(command.c_str());
  return CliRun{exitCode, readWholeFile(streams / "out"), readWholeFile(streams / "err")};
}
