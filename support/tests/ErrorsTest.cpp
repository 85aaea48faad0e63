#include "support/Errors.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace mirrex;

namespace {

// The system's own text for a code, as FormatMessageA gives it.
std::string systemText(DWORD code) {
  char text[1024];
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                                sizeof text, nullptr);
  return std::string(text, length);
}

std::string formatted(const BaseError& error, DWORD size = 1024) {
  std::string buffer(size, '\x7F');
  DWORD count = error.formatMessage(&buffer[0], size);
  EXPECT_LE(count, size);
  return buffer.substr(0, count);
}

}  // namespace

TEST(Win32Error, FormatsTheSystemTextOfItsCode) {
  std::string expected = systemText(ERROR_PATH_NOT_FOUND);
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(formatted(Win32Error("CreateFile", ERROR_PATH_NOT_FOUND)), expected);
}

TEST(Win32Error, TakesTheLastErrorWhenNoCodeIsGiven) {
  SetLastError(ERROR_SHARING_VIOLATION);
  Win32Error error("ReadFile");
  EXPECT_EQ(error.code, DWORD{ERROR_SHARING_VIOLATION});
  EXPECT_EQ(error.functionName, "ReadFile");
}

TEST(Win32Error, SystemTextWithInsertsIsFormattedWithoutArguments) {
  // This text has inserts (%1, %2) and no arguments are given for them.
  std::string expected = systemText(ERROR_MR_MID_NOT_FOUND);
  ASSERT_NE(expected.find("%1"), std::string::npos);
  EXPECT_EQ(formatted(Win32Error("FormatMessage", ERROR_MR_MID_NOT_FOUND)), expected);
}

TEST(Win32Error, CodeWithoutTextLeavesTheEmptyText) {
  char buffer[16];
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(Win32Error("X", 0x2A7F1234).formatMessage(buffer, sizeof buffer), 0u);
  EXPECT_EQ(buffer[0], '\0');
}

TEST(FileError, FormatsALineBreakThenItsCause) {
  FileError error(EventSearchDirectory, "C:\\missing\\*.*", Win32Error("FindFirstFile", ERROR_PATH_NOT_FOUND));
  std::string expected = "\r\n" + systemText(ERROR_PATH_NOT_FOUND);
  char buffer[1024];
  EXPECT_EQ(error.formatMessage(buffer, sizeof buffer), expected.size());
  EXPECT_STREQ(buffer, expected.c_str());
}

TEST(FileError, BufferOfThreeOrFewerWritesOnlyTheEmptyText) {
  FileError file(EventCreateOutputFile, "a", Win32Error("CreateFile", ERROR_ACCESS_DENIED));
  RegError key(EventOpenRegistryKey, "Software", Win32Error("RegOpenKeyEx", ERROR_ACCESS_DENIED));
  RegValueError value(EventReadRegistryValue, "Path", Win32Error("RegQueryValueEx", ERROR_ACCESS_DENIED));
  for (const BaseError* error : {static_cast<const BaseError*>(&file), static_cast<const BaseError*>(&key),
                                 static_cast<const BaseError*>(&value)}) {
    for (DWORD size = 1; size <= 3; ++size) {
      char buffer[4] = {'x', 'x', 'x', 'x'};
      EXPECT_EQ(error->formatMessage(buffer, size), 0u) << "size " << size;
      EXPECT_EQ(buffer[0], '\0');
      EXPECT_EQ(buffer[size], 'x') << "wrote past a buffer of " << size;
    }
  }
}

TEST(FileError, CauseTooLongForTheRestLeavesOnlyTheBreak) {
  // Four characters: the break and one of the cause's, which does not fit
  // its text, so the cause adds nothing.
  FileError error(EventWriteOutputFile, "f", Win32Error("WriteFile", ERROR_DISK_FULL));
  char buffer[5];
  EXPECT_EQ(error.formatMessage(buffer, 4), 2u);
  EXPECT_EQ(std::string(buffer, 2), "\r\n");
  EXPECT_EQ(buffer[2], '\0');
}

TEST(RegErrors, CarryTheirNamesAndCause) {
  RegError key(EventOpenRegistryKey, "Software\\X", Win32Error("RegOpenKeyEx", ERROR_ACCESS_DENIED));
  EXPECT_EQ(key.keyName, "Software\\X");
  EXPECT_EQ(key.eventId, EventOpenRegistryKey);
  EXPECT_EQ(formatted(key), "\r\n" + systemText(ERROR_ACCESS_DENIED));

  RegValueError value(EventReadRegistryValue, "AppPath", Win32Error("RegQueryValueEx", ERROR_MORE_DATA));
  EXPECT_EQ(value.keyName, "?");
  EXPECT_EQ(value.valueName, "AppPath");
  EXPECT_EQ(value.eventId, DWORD{0x2000000A});
  EXPECT_EQ(formatted(value), "\r\n" + systemText(ERROR_MORE_DATA));
}

TEST(BaseEvent, HasNoTextWithoutAMessageTable) {
  char buffer[8] = "xxxxxxx";
  EXPECT_EQ(BaseEvent(EventCloseOutputFile).formatMessage(buffer, sizeof buffer), 0u);
  EXPECT_EQ(buffer[0], '\0');
}

TEST(SocketError, FormatsTheTableText) {
  EXPECT_EQ(formatted(SocketError("connect", 10060)), "Operation timed out");
  EXPECT_EQ(formatted(SocketError("gethostbyname", 11001)), "Host not found");
  EXPECT_EQ(formatted(SocketError("WSAStartup", 10093)), "WinSock hasn't been initialized");
  char buffer[64];
  EXPECT_EQ(SocketError("connect", 10060).formatMessage(buffer, sizeof buffer), 19u);
  EXPECT_STREQ(buffer, "Operation timed out");
}

TEST(SocketError, UnlistedCodesAreNumbered) {
  EXPECT_EQ(formatted(SocketError("send", 10005)), "socket error 10005");
  EXPECT_EQ(formatted(SocketError("send", -1)), "socket error -1");
}

TEST(SocketError, TextThatDoesNotFitIsCutWithoutTerminator) {
  char buffer[16];
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(SocketError("recv", 10054).formatMessage(buffer, 5), 5u);
  EXPECT_EQ(std::string(buffer, 6), "Connex");
  // A text exactly as long as the buffer has no room for its terminator.
  EXPECT_EQ(SocketError("recv", 10038).formatMessage(buffer, 12), 12u);
  EXPECT_EQ(std::string(buffer, 12), "Not a socket");
}

TEST(Catching, HandlersMatchTheHierarchy) {
  auto caughtAs = [](auto thrower) {
    std::string kinds;
    try { thrower(); } catch (const FunctionError&) { kinds += "function "; } catch (const BaseError&) {}
    try { thrower(); } catch (const BaseEvent&) { kinds += "event "; } catch (const BaseError&) {}
    try { thrower(); } catch (const BaseError&) { kinds += "base"; }
    return kinds;
  };
  Win32Error win32("CloseHandle", ERROR_INVALID_HANDLE);
  EXPECT_EQ(caughtAs([&] { throw win32; }), "function base");
  EXPECT_EQ(caughtAs([] { throw SocketError("WSAStartup", 10091); }), "function base");
  EXPECT_EQ(caughtAs([&] { throw FileError(EventCreateOutputFile, "f", win32); }), "event base");
  EXPECT_EQ(caughtAs([&] { throw RegError(EventOpenRegistryKey, "k", win32); }), "event base");
  EXPECT_EQ(caughtAs([&] { throw RegValueError(EventReadRegistryValue, "v", win32); }), "event base");
}

TEST(Copying, ConstructorsKeepACloneOfTheCause) {
  Win32Error cause("CreateFile", ERROR_ACCESS_DENIED);
  FileError error(EventCreateOutputFile, "f", cause);
  ASSERT_NE(error.cause(), nullptr);
  EXPECT_NE(error.cause(), static_cast<const BaseError*>(&cause));
  EXPECT_EQ(dynamic_cast<const Win32Error&>(*error.cause()).code, DWORD{ERROR_ACCESS_DENIED});
}

TEST(Copying, CopyOwnsItsOwnCause) {
  std::string original;
  FileError* source =
      new FileError(EventWriteOutputFile, "C:\\x.url", Win32Error("WriteFile", ERROR_DISK_FULL));
  {
    FileError copy(*source);
    EXPECT_NE(copy.cause(), source->cause());
    EXPECT_EQ(copy.path, "C:\\x.url");
    original = formatted(*source);
  }
  // The copy is gone; the source's cause is untouched.
  EXPECT_EQ(formatted(*source), original);
  FileError again(*source);
  delete source;
  EXPECT_EQ(formatted(again), original);
}

TEST(Copying, CloneKeepsTheDynamicType) {
  RegValueError value(EventReadRegistryValue, "Path", Win32Error("RegQueryValueEx", ERROR_ACCESS_DENIED));
  const BaseError& base = value;
  BaseError* clone = base.clone();
  ASSERT_NE(clone, nullptr);
  auto* copy = dynamic_cast<RegValueError*>(clone);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->valueName, "Path");
  EXPECT_EQ(copy->keyName, "?");
  EXPECT_NE(copy->cause(), value.cause());
  EXPECT_EQ(formatted(*copy), formatted(value));
  delete clone;

  BaseError* socket = SocketError("recv", 10054).clone();
  ASSERT_NE(dynamic_cast<SocketError*>(socket), nullptr);
  EXPECT_EQ(formatted(*socket), "Connection reset by peer");
  delete socket;
}

TEST(Copying, ThrownErrorArrivesWholeAtTheHandler) {
  try {
    throw FileError(EventCloseOutputFile, "C:\\f.url", Win32Error("CloseHandle", ERROR_INVALID_HANDLE));
  } catch (const BaseError& caught) {
    const FileError& error = dynamic_cast<const FileError&>(caught);
    EXPECT_EQ(error.eventId, EventCloseOutputFile);
    EXPECT_EQ(formatted(error), "\r\n" + systemText(ERROR_INVALID_HANDLE));
  }
}
