#include "tests/gui/Program.h"

#include <vector>

std::string windowsPathOf(const std::string& unixPath) {
  std::string path = "Z:" + unixPath;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

std::string placemovePath() { return windowsPathOf(PLACEMOVE_EXE); }

RunningProgram::RunningProgram(const std::string& program, const std::string& arguments) {
  std::string commandLine = "\"" + program + "\"";
  if (!arguments.empty()) commandLine += " " + arguments;
  std::vector<char> writable(commandLine.begin(), commandLine.end());
  writable.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  if (!CreateProcessA(program.c_str(), writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &info)) {
    error_ = GetLastError();
    return;
  }
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  id_ = info.dwProcessId;
}

RunningProgram::~RunningProgram() {
  if (process_ == nullptr) return;
  if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 5000);
  }
  CloseHandle(process_);
}

bool RunningProgram::waitForExit(DWORD timeout, DWORD& exitCode) {
  if (process_ == nullptr || WaitForSingleObject(process_, timeout) != WAIT_OBJECT_0) return false;
  return GetExitCodeProcess(process_, &exitCode) != 0;
}
