// The network layer as it comes up before main and goes down after it, one
// process a case: NetworkProbe (built from the program's own
// NetworkStartup.cpp) or Placemove.exe itself, started from a fresh folder
// that holds the stand-in wininet.dll and wsock32.dll of the case. Wine
// takes its DLL overrides from the environment a process starts with, so
// CTest runs each group of cases with its own WINEDLLOVERRIDES: the
// stand-ins beside the program in place of the system's DLLs, or no WinInet.
#include "app/Resources.h"
#include "tests/gui/MessageBoxes.h"
#include "tests/gui/Program.h"
#include "tests/gui/Sheet.h"
#include "tests/gui/Wait.h"
#include "tests/support/TempFolder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char* const WinInetEntryPoints[] = {
    "InternetOpenA",    "InternetConnectA",    "HttpOpenRequestA",   "HttpSendRequestA",  "HttpQueryInfoA",
    "InternetReadFile", "InternetCloseHandle", "HttpSendRequestExA", "InternetWriteFile", "HttpEndRequest"};

std::vector<std::string> winInetEntryPointsBut(const std::string& left) {
  std::vector<std::string> names;
  for (const char* name : WinInetEntryPoints) {
    if (name != left) names.push_back(name);
  }
  return names;
}

// A file of the build tree as Wine shows it: the Unix root is drive Z:.
std::string windowsPath(const std::string& unixPath) {
  std::string path = "Z:" + unixPath;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

std::string standIn(const std::string& variant) { return windowsPath(STAND_INS "/" + variant); }

class NetworkStartupTest : public ::testing::Test {
protected:
  // Fails unless the test runs with the DLL overrides `needed`.
  static void requireOverrides(const std::string& needed) {
    char overrides[1024] = "";
    GetEnvironmentVariableA("WINEDLLOVERRIDES", overrides, sizeof overrides);
    ASSERT_NE(std::string(overrides).find(needed), std::string::npos)
        << "WINEDLLOVERRIDES is \"" << overrides << "\" and lacks \"" << needed << "\", which CTest sets";
  }

  void place(const std::string& source, const std::string& name) {
    ASSERT_TRUE(CopyFileA(source.c_str(), (folder / name).c_str(), TRUE))
        << "CopyFile " << source << ": error " << GetLastError();
  }

  // Runs the probe from the folder and reads what it reports into `state`.
  void runProbe() {
    ASSERT_NO_FATAL_FAILURE(place(windowsPath(NETWORK_PROBE), "NetworkProbe.exe"));
    SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
    HANDLE output = CreateFileA((folder / "state.txt").c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited,
                                CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(output, INVALID_HANDLE_VALUE) << "CreateFile: error " << GetLastError();
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = output;
    startup.hStdError = output;
    PROCESS_INFORMATION process = {};
    std::string commandLine = "\"" + folder / "NetworkProbe.exe" + "\"";
    BOOL started = CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr,
                                  folder.path().c_str(), &startup, &process);
    DWORD error = GetLastError();
    CloseHandle(output);
    ASSERT_TRUE(started) << "CreateProcess: error " << error;
    CloseHandle(process.hThread);
    DWORD exitCode = 0xDEAD;
    bool ended = WaitForSingleObject(process.hProcess, DefaultTimeout) == WAIT_OBJECT_0 &&
                 GetExitCodeProcess(process.hProcess, &exitCode);
    if (!ended) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hProcess);
    ASSERT_TRUE(ended) << "the probe did not end";
    EXPECT_EQ(exitCode, 0u);

    std::istringstream lines(folder.read("state.txt"));
    std::string line;
    while (std::getline(lines, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      std::string::size_type space = line.find(' ');
      state[line.substr(0, space)] = space == std::string::npos ? "" : line.substr(space + 1);
    }
  }

  // What the stand-ins recorded, or "" when they were never asked anything.
  std::string record() const {
    if (GetFileAttributesA((folder / "calls.txt").c_str()) == INVALID_FILE_ATTRIBUTES) return "";
    return folder.read("calls.txt");
  }

  // Module paths compare without case, as Windows does.
  void expectModule(const char* object, const std::string& expected) {
    EXPECT_EQ(lstrcmpiA(state[object].c_str(), expected.c_str()), 0)
        << object << " is " << state[object] << ", expected " << expected;
  }

  // Each named entry point is bound to the stand-in's export of that name.
  void expectBound(const std::vector<std::string>& names) {
    for (const std::string& name : names) EXPECT_EQ(state[name], name) << name;
  }

  void expectNull(const std::vector<std::string>& names) {
    for (const std::string& name : names) EXPECT_EQ(state[name], "null") << name;
  }

  TempFolder folder;
  std::map<std::string, std::string> state;
};

// The stand-ins that the folder holds replace the system's DLLs.
class StandInNetworkTest : public NetworkStartupTest {
protected:
  void SetUp() override { ASSERT_NO_FATAL_FAILURE(requireOverrides("wininet,wsock32=n")); }

  // The probe beside the stand-in `wininetVariant` and a Winsock that starts.
  void runProbeWith(const std::string& wininetVariant) {
    ASSERT_NO_FATAL_FAILURE(place(standIn(wininetVariant + "/wininet.dll"), "wininet.dll"));
    ASSERT_NO_FATAL_FAILURE(place(standIn("winsock/wsock32.dll"), "wsock32.dll"));
    ASSERT_NO_FATAL_FAILURE(runProbe());
  }
};

// Loaded twice; both loads released after Winsock was cleaned up, in the
// reverse order of the start-up.
TEST_F(StandInNetworkTest, ACompleteWinInetIsBoundByNameAndReleasedAfterWinsockCleansUp) {
  ASSERT_NO_FATAL_FAILURE(runProbeWith("complete"));
  expectModule("WinInetLibrary", folder / "wininet.dll");
  expectBound(winInetEntryPointsBut(""));
  expectModule("ConnectionStateLibrary", folder / "wininet.dll");
  expectBound({"InternetGetConnectedState"});
  EXPECT_EQ(state["WinsockSession"], "0101");
  EXPECT_EQ(record(),
            "wininet attached\r\n"
            "WSAStartup 0101\r\n"
            "WSACleanup\r\n"
            "wininet detached by FreeLibrary\r\n");
}

TEST_F(StandInNetworkTest, AWinInetWithoutHttpEndRequestStaysAvailable) {
  ASSERT_NO_FATAL_FAILURE(runProbeWith("without-end-request"));
  expectModule("WinInetLibrary", folder / "wininet.dll");
  expectBound(winInetEntryPointsBut("HttpEndRequest"));
  expectNull({"HttpEndRequest"});
  expectModule("ConnectionStateLibrary", folder / "wininet.dll");
  expectBound({"InternetGetConnectedState"});
}

// Released before the second load, which keeps its own load and entry point.
TEST_F(StandInNetworkTest, AWinInetWithoutHttpQueryInfoIsReleasedAtOnce) {
  ASSERT_NO_FATAL_FAILURE(runProbeWith("without-query-info"));
  expectModule("WinInetLibrary", "null");
  expectNull(winInetEntryPointsBut(""));
  expectModule("ConnectionStateLibrary", folder / "wininet.dll");
  expectBound({"InternetGetConnectedState"});
  EXPECT_EQ(record(),
            "wininet attached\r\n"
            "wininet detached by FreeLibrary\r\n"
            "wininet attached\r\n"
            "WSAStartup 0101\r\n"
            "WSACleanup\r\n"
            "wininet detached by FreeLibrary\r\n");
}

// With no handler before WinMain, the program itself shows the failure as
// its fatal-error message with OK, and ends before its wizard opens.
TEST_F(StandInNetworkTest, WhenWinsockDoesNotStartPlacemoveShowsWhyAndEnds) {
  ASSERT_NO_FATAL_FAILURE(place(placemovePath(), "Placemove.exe"));
  ASSERT_NO_FATAL_FAILURE(place(standIn("winsock-not-ready/wsock32.dll"), "wsock32.dll"));
  HMODULE resources = LoadLibraryExA((folder / "Placemove.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(resources, nullptr) << "LoadLibraryEx: error " << GetLastError();
  char format[1024] = "";
  LoadStringA(resources, 4, format, sizeof format);
  FreeLibrary(resources);
  char expected[1024] = "";
  wsprintfA(expected, format, "SYSNOTREADY");

  RunningProgram program(folder / "Placemove.exe", folder.path());
  ASSERT_TRUE(program.started()) << "CreateProcess: error " << program.error();
  HWND box = nullptr;
  DWORD exitCode = 0xDEAD;
  bool ended = false;
  waitFor([&] {
    box = findMessageBox(program.id());
    ended = box == nullptr && program.waitForExit(0, exitCode);
    return box != nullptr || ended;
  });
  ASSERT_NE(box, nullptr) << "no message box; "
                          << (ended ? "the program ended with exit code " + std::to_string(exitCode) : "it still runs");
  MessageBoxView view = readMessageBox(box);
  EXPECT_EQ(view.text, expected);
  EXPECT_EQ(view.buttons, std::vector<int>{IDOK});
  EXPECT_TRUE(view.hasIcon);
  EXPECT_EQ(findSheet(program.id()), nullptr) << "the wizard opened";
  ASSERT_TRUE(answerMessageBox(box, IDOK));
  ASSERT_TRUE(program.waitForExit(DefaultTimeout, exitCode)) << "the program did not end";
  EXPECT_EQ(exitCode, 0u);
  EXPECT_EQ(record(), "WSAStartup 0101\r\n") << "WSACleanup after a failed WSAStartup";
}

// WinInet is disabled.
class NoWinInetTest : public NetworkStartupTest {
protected:
  void SetUp() override { ASSERT_NO_FATAL_FAILURE(requireOverrides("wininet=")); }
};

TEST_F(NoWinInetTest, EveryHandleAndEntryPointIsNullAndWinsockStarts) {
  ASSERT_NO_FATAL_FAILURE(runProbe());
  expectModule("WinInetLibrary", "null");
  expectNull(winInetEntryPointsBut(""));
  expectModule("ConnectionStateLibrary", "null");
  expectNull({"InternetGetConnectedState"});
  EXPECT_EQ(state["WinsockSession"], "0101");
}

TEST_F(NoWinInetTest, PlacemoveOpensItsWizard) {
  RunningProgram program(placemovePath(), folder.path());
  ASSERT_TRUE(program.started()) << "CreateProcess: error " << program.error();
  HWND sheet = nullptr;
  EXPECT_TRUE(waitFor([&] { return (sheet = findSheet(program.id())) != nullptr; })) << "no wizard";
  ASSERT_NE(sheet, nullptr);
  EXPECT_TRUE(waitFor([&] { return currentPageId(sheet) == IDD_INTRODUCTION; })) << "page " << currentPageId(sheet);
  ASSERT_TRUE(pressButton(sheet, PSBTN_CANCEL));
  DWORD exitCode = 0xDEAD;
  ASSERT_TRUE(program.waitForExit(DefaultTimeout, exitCode)) << "the program did not end";
  EXPECT_EQ(exitCode, 0u);
}

}  // namespace
