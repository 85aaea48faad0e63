// Natively: through the shell, every argument in single quotes.
#include "cli/tests/RunProgram.h"

#include "tests/support/TempFolder.h"

#include <cstdlib>
#include <sys/wait.h>

namespace {

std::string quoted(const std::string& text) {
  std::string result = "'";
  for (char c : text) result += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return result + "'";
}

}  // namespace

std::string userPath(const std::string& path) {
  std::string result = path;
  for (char& c : result) {
    if (c == '\\') c = '/';
  }
  return result;
}

CliRun runCli(const std::vector<std::string>& arguments, const std::string& workingFolder) {
  TempFolder streams;
  std::string command = "cd " + quoted(userPath(workingFolder)) + " && " + quoted(PLACEMOVE_CLI);
  for (const std::string& argument : arguments) command += " " + quoted(argument);
  command += " >" + quoted(userPath(streams / "out")) + " 2>" + quoted(userPath(streams / "err")) + " </dev/null";
  int status = std::system(command.c_str());
  int exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return CliRun{exitCode, readWholeFile(streams / "out"), readWholeFile(streams / "err")};
}
