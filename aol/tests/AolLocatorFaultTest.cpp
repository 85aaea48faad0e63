// Registry failures other than a missing key or value, provoked through the
// stand-in: they leave the locator as exceptions, with the key closed.
#include "aol/AolLocator.h"

#include "aol/tests/InstallKeysTest.h"
#include "support/Errors.h"

#include <gtest/gtest.h>
#include <standin.h>

namespace {

class AolLocatorFaultTest : public InstallKeysTest {
protected:
  void TearDown() override {
    standin::clearFaults();
    InstallKeysTest::TearDown();
  }
};

void expectCause(const mirrex::BaseError* cause, const char* functionName, DWORD code) {
  const mirrex::Win32Error* win32 = dynamic_cast<const mirrex::Win32Error*>(cause);
  ASSERT_NE(win32, nullptr) << "the cause is not a Win32Error";
  EXPECT_EQ(win32->functionName, functionName);
  EXPECT_EQ(win32->code, code);
}

}  // namespace

TEST_F(AolLocatorFaultTest, FailedOpenNamesTheKeyOfEachAttempt) {
  for (unsigned attempt = 0; attempt < 12; ++attempt) {
    standin::injectFault(standin::Call::RegOpenKeyEx, attempt, ERROR_ACCESS_DENIED);
    char buffer[MAX_PATH] = "";
    try {
      findAolDirectory(buffer, sizeof buffer);
      ADD_FAILURE() << "no error at attempt " << attempt;
    } catch (const mirrex::RegError& error) {
      EXPECT_EQ(error.eventId, 0x20000009u);
      EXPECT_EQ(error.keyName, InstallKeyRows[attempt % 6].subKey) << "attempt " << attempt;
      expectCause(error.cause(), "RegOpenKeyEx", ERROR_ACCESS_DENIED);
    }
  }
}

TEST_F(AolLocatorFaultTest, FailedQueryNamesTheValueAndClosesTheKey) {
  setText(HKEY_CURRENT_USER, 4, "D:\\CS");
  std::size_t handles = standin::openHandleCount();
  standin::injectFault(standin::Call::RegQueryValueEx, 0, ERROR_READ_FAULT);
  char buffer[MAX_PATH] = "";
  try {
    findAolDirectory(buffer, sizeof buffer);
    ADD_FAILURE() << "no error";
  } catch (const mirrex::RegValueError& error) {
    EXPECT_EQ(error.eventId, 0x2000000Au);
    EXPECT_EQ(error.keyName, "?");
    EXPECT_EQ(error.valueName, "Path");
    expectCause(error.cause(), "RegQueryValueEx", ERROR_READ_FAULT);
  }
  EXPECT_EQ(standin::openHandleCount(), handles) << "the key was left open";
}

TEST_F(AolLocatorFaultTest, FailedCloseIsThrownWhetherOrNotTheValueWasTaken) {
  setValue(HKEY_LOCAL_MACHINE, 2, REG_EXPAND_SZ, std::string("D:\\Expand") + '\0');
  setText(HKEY_LOCAL_MACHINE, 3, "D:\\AOL");
  for (unsigned close = 0; close < 2; ++close) {
    standin::injectFault(standin::Call::RegCloseKey, close, ERROR_INVALID_HANDLE);
    char buffer[MAX_PATH] = "";
    try {
      findAolDirectory(buffer, sizeof buffer);
      ADD_FAILURE() << "no error at close " << close;
    } catch (const mirrex::Win32Error& error) {
      EXPECT_EQ(error.functionName, "RegCloseKey");
      EXPECT_EQ(error.code, static_cast<DWORD>(ERROR_INVALID_HANDLE));
    }
  }
}
