// Starting the program under test and watching its process.
#pragma once

#include <windows.h>

#include <string>

// The Windows path of a file of the build tree, a Unix path: Wine shows
// the Unix root as drive Z:.
std::string windowsPathOf(const std::string& unixPath);

// The Windows path of the Placemove.exe of this build.
std::string placemovePath();

// A process started by a test. Ending the object ends the process if it is
// still running, so that a failed test leaves nothing behind.
class RunningProgram {
public:
  // Starts `program` with the command line `"program" arguments`: the
  // program's command-line tail is `arguments` exactly. When the start
  // fails, started() is false and error() tells why.
  RunningProgram(const std::string& program, const std::string& arguments);
  ~RunningProgram();
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  bool started() const { return process_ != nullptr; }
  DWORD error() const { return error_; }
  DWORD id() const { return id_; }
  // Waits up to `timeout` milliseconds for the process to end. True when it
  // ended; its exit code is then in `exitCode`.
  bool waitForExit(DWORD timeout, DWORD& exitCode);

private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
  DWORD error_ = 0;
};
