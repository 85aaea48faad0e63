// On Windows: an export ended from its console, by Ctrl+C or Ctrl+Break,
// leaves no part of a file behind and the old files as they were.
#include "cli/tests/CliFixture.h"
#include "tests/builder/LargeProfile.h"

#include <windows.h>

using namespace builder;

namespace {

// The test shares its console with the export it interrupts, and Ctrl+C
// reaches every process of a console: this one goes on.
BOOL WINAPI carryOn(DWORD) { return TRUE; }

class ConsoleInterrupts : public CliTest {
 protected:
  void SetUp() override {
    // Under Wine, a program started with its output piped has a console
    // that carries no control events; one made anew does.
    FreeConsole();
    ASSERT_TRUE(AllocConsole()) << GetLastError();
    ASSERT_TRUE(SetConsoleCtrlHandler(carryOn, TRUE));
    work.makeDirectory("organize");
    saveProfile("organize\\large", largeProfile(50000));
    work.write("bookmarks.html", "old");
    work.write("links.txt", "old links");
  }
  void TearDown() override { SetConsoleCtrlHandler(carryOn, FALSE); }

  // Starts the export in this console, its output discarded.
  PROCESS_INFORMATION startExport() {
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE discarded = CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   &inherited, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = startup.hStdOutput = startup.hStdError = discarded;
    std::string program = std::string("Z:") + PLACEMOVE_CLI;
    for (char& c : program) {
      if (c == '/') c = '\\';
    }
    std::string command = "\"" + program + "\" export \"" + work / "organize" + "\" -o \"" +
                          work / "bookmarks.html" + "\" --aol-links \"" + work / "links.txt" + "\" --force";
    PROCESS_INFORMATION process{};
    EXPECT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                               &process));
    CloseHandle(discarded);
    return process;
  }

  bool isThere(const std::string& relative) const {
    return GetFileAttributesA((work / relative).c_str()) != INVALID_FILE_ATTRIBUTES;
  }

  void waitForBothTemporaryFiles(const PROCESS_INFORMATION& process) {
    bool begun = false;
    for (int wait = 0; wait < 20000 && !begun; ++wait) {
      begun = isThere("bookmarks.html.1.partial") && isThere("links.txt.1.partial");
      if (!begun) Sleep(1);
    }
    ASSERT_TRUE(begun) << "the export never began";
    ASSERT_EQ(WaitForSingleObject(process.hProcess, 0), WAIT_TIMEOUT) << "the export ended before the interrupt";
  }

  DWORD exitCodeOf(const PROCESS_INFORMATION& process) {
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
  }
};

}  // namespace

TEST_F(ConsoleInterrupts, CtrlCEndsAnExportWithoutAPartOfAFile) {
  const std::vector<std::string> before = work.tree();
  PROCESS_INFORMATION process = startExport();
  ASSERT_NO_FATAL_FAILURE(waitForBothTemporaryFiles(process));
  ASSERT_TRUE(GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0)) << GetLastError();
  EXPECT_EQ(exitCodeOf(process), 130u);
  EXPECT_EQ(work.tree(), before);
  EXPECT_EQ(work.read("bookmarks.html"), "old");
  EXPECT_EQ(work.read("links.txt"), "old links");
}

TEST_F(ConsoleInterrupts, CtrlBreakEndsAnExportWithoutAPartOfAFile) {
  const std::vector<std::string> before = work.tree();
  PROCESS_INFORMATION process = startExport();
  ASSERT_NO_FATAL_FAILURE(waitForBothTemporaryFiles(process));
  if (!GenerateConsoleCtrlEvent(CTRL_BREAK_EVENT, 0)) {
    // Wine sends Ctrl+C only; Windows sends both, to the same handler.
    DWORD error = GetLastError();
    TerminateProcess(process.hProcess, 1);
    exitCodeOf(process);
    GTEST_SKIP() << "this system does not send Ctrl+Break (error " << error << ")";
  }
  EXPECT_EQ(exitCodeOf(process), 130u);
  EXPECT_EQ(work.tree(), before);
}
