#include "favorites/OutputStreams.h"

#include "favorites/tests/FileErrors.h"
#include "support/Errors.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Writes down every call it receives; its writes can be made to fail.
class RecordingStream : public OutputStream {
public:
  struct Write {
    const void* data;
    std::string bytes;
  };
  std::vector<Write> writes;
  int flushes = 0;
  int closes = 0;
  int failingWrites = 0;

  void write(const void* data, DWORD size) override {
    if (failingWrites > 0) {
      --failingWrites;
      throw mirrex::FileError(mirrex::EventWriteOutputFile, "recorded", mirrex::Win32Error("WriteFile", 112));
    }
    writes.push_back(Write{data, std::string(static_cast<const char*>(data), size)});
  }
  void flush() override { ++flushes; }
  void close() override { ++closes; }

  std::vector<std::string> sizes() const {
    std::vector<std::string> result;
    for (const Write& w : writes) result.push_back(std::to_string(w.bytes.size()));
    return result;
  }
  std::string bytes() const {
    std::string all;
    for (const Write& w : writes) all += w.bytes;
    return all;
  }
};

using Sizes = std::vector<std::string>;

std::string pattern(std::size_t size, char first) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(first + i % 23);
  return bytes;
}

void put(OutputStream& stream, const std::string& bytes) {
  stream.write(bytes.data(), static_cast<DWORD>(bytes.size()));
}

// A handle value that no object of the process has.
HANDLE bogusHandle() { return reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(0x7FFFFFF0)); }

}  // namespace

TEST(BufferedOutputStream, HoldsSmallWritesUntilFlushed) {
  RecordingStream next;
  BufferedOutputStream buffer(&next);
  put(buffer, "abc");
  put(buffer, "");
  put(buffer, pattern(4000, 'a'));
  EXPECT_TRUE(next.writes.empty());
  buffer.flush();
  EXPECT_EQ(next.sizes(), (Sizes{"4003"}));
  EXPECT_EQ(next.bytes(), "abc" + pattern(4000, 'a'));
  EXPECT_EQ(next.flushes, 1);
  buffer.flush();
  EXPECT_EQ(next.writes.size(), 1u) << "an empty buffer writes nothing";
  EXPECT_EQ(next.flushes, 2) << "but flushes the next stream every time";
}

TEST(BufferedOutputStream, WriteOfExactlyTheRoomLeftFlushesAtOnce) {
  RecordingStream next;
  BufferedOutputStream buffer(&next);
  put(buffer, pattern(100, 'a'));
  put(buffer, pattern(3996, 'b'));
  EXPECT_EQ(next.sizes(), (Sizes{"4096"}));
  EXPECT_EQ(next.bytes(), pattern(100, 'a') + pattern(3996, 'b'));
  EXPECT_EQ(next.flushes, 1);
  // The buffer is empty again: a full-sized write passes straight through.
  std::string large = pattern(4096, 'c');
  put(buffer, large);
  ASSERT_EQ(next.sizes(), (Sizes{"4096", "4096"}));
  EXPECT_EQ(next.writes[1].data, large.data());
}

TEST(BufferedOutputStream, LargeWriteIntoEmptyBufferPassesThroughUncopied) {
  for (std::size_t size : {4096, 4097, 100000}) {
    RecordingStream next;
    BufferedOutputStream buffer(&next);
    std::string large = pattern(size, 'a');
    put(buffer, large);
    ASSERT_EQ(next.sizes(), (Sizes{std::to_string(size)}));
    EXPECT_EQ(next.writes[0].data, large.data()) << size;
    EXPECT_EQ(next.flushes, 0);
  }
}

TEST(BufferedOutputStream, LargeWriteBehindHeldBytesKeepsTheOrder) {
  RecordingStream next;
  BufferedOutputStream buffer(&next);
  put(buffer, pattern(10, 'a'));
  std::string large = pattern(4087, 'b');  // one more than the room left
  put(buffer, large);
  ASSERT_EQ(next.sizes(), (Sizes{"10", "4087"}));
  EXPECT_EQ(next.bytes(), pattern(10, 'a') + large);
  EXPECT_EQ(next.writes[1].data, large.data());
  put(buffer, "z");
  buffer.close();
  EXPECT_EQ(next.bytes(), pattern(10, 'a') + large + "z");
  EXPECT_EQ(next.closes, 1);
}

TEST(BufferedOutputStream, FailedFlushKeepsTheHeldBytes) {
  RecordingStream next;
  BufferedOutputStream buffer(&next);
  put(buffer, "held");
  next.failingWrites = 1;
  EXPECT_THROW(buffer.flush(), mirrex::FileError);
  buffer.flush();
  EXPECT_EQ(next.bytes(), "held");
}

TEST(BufferedOutputStream, DestroyedUnflushedLosesItsBytes) {
  RecordingStream next;
  { BufferedOutputStream(&next).write("lost", 4); }
  EXPECT_TRUE(next.writes.empty());
  EXPECT_EQ(next.flushes + next.closes, 0);
}

TEST(StreamWriter, WritesTextsAndHexBytesOneByteACall) {
  RecordingStream next;
  StreamWriter writer(&next);
  writer.writeString("URL=");
  writer.writeString("");
  for (BYTE byte : {0x00, 0x0F, 0xF0, 0xAB, 0xFF}) writer.writeHexByte(byte);
  EXPECT_EQ(next.bytes(), "URL=000FF0ABFF");
  EXPECT_EQ(next.writes.size(), next.bytes().size());
}

TEST(FileOutputStream, OpenTellsNewFromTruncated) {
  TempFolder temp;
  std::string path = temp / "a.url";
  FileOutputStream file(INVALID_HANDLE_VALUE, "");
  EXPECT_FALSE(file.isOpen());
  EXPECT_TRUE(file.open(path.c_str()));
  EXPECT_TRUE(file.isOpen());
  put(file, pattern(10000, 'a'));
  file.close();
  EXPECT_FALSE(file.isOpen());

  EXPECT_FALSE(file.open(path.c_str())) << "an existing file";
  put(file, "short");
  file.close();
  EXPECT_EQ(temp.read("a.url"), "short");
}

TEST(FileOutputStream, FailedCreateIsAFileErrorAndLeavesItClosed) {
  TempFolder temp;
  std::string path = temp / "missing\\a.url";
  FileOutputStream file(INVALID_HANDLE_VALUE, "");
  EXPECT_EQ(fileErrorOf([&] { file.open(path.c_str()); }),
            fileErrorText(mirrex::EventCreateOutputFile, path, "CreateFile", ERROR_PATH_NOT_FOUND));
  EXPECT_FALSE(file.isOpen());
}

TEST(FileOutputStream, FailedWriteIsAFileErrorAndLeavesItOpen) {
  TempFolder temp;
  temp.write("read-only", "x");
  std::string path = temp / "read-only";
  HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(handle, INVALID_HANDLE_VALUE) << "error " << GetLastError();
  FileOutputStream file(handle, path.c_str());
  EXPECT_EQ(fileErrorOf([&] { put(file, "abc"); }),
            fileErrorText(mirrex::EventWriteOutputFile, path, "WriteFile", ERROR_ACCESS_DENIED));
  EXPECT_TRUE(file.isOpen());
  file.close();
}

TEST(FileOutputStream, FailedCloseIsAFileErrorAndLeavesItClosed) {
  FileOutputStream file(bogusHandle(), "C:\\x.url");
  EXPECT_EQ(fileErrorOf([&] { file.close(); }),
            fileErrorText(mirrex::EventCloseOutputFile, "C:\\x.url", "CloseHandle", ERROR_INVALID_HANDLE));
  EXPECT_FALSE(file.isOpen());
}

TEST(FileOutputStream, DestructorClosesAnOpenHandle) {
  TempFolder temp;
  std::string path = temp / "c";
  auto openForWriting = [&] {
    HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    DWORD code = GetLastError();
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    return handle != INVALID_HANDLE_VALUE ? ERROR_SUCCESS : code;
  };
  {
    FileOutputStream file(INVALID_HANDLE_VALUE, "");
    file.open(path.c_str());
    EXPECT_EQ(openForWriting(), static_cast<DWORD>(ERROR_SHARING_VIOLATION)) << "the stream holds the file";
  }
  EXPECT_EQ(openForWriting(), static_cast<DWORD>(ERROR_SUCCESS));
}

TEST(FileOutputStream, DestructorReportsAFailedClose) {
  EXPECT_EQ(fileErrorOf([] { FileOutputStream file(bogusHandle(), "d.url"); }),
            fileErrorText(mirrex::EventCloseOutputFile, "d.url", "CloseHandle", ERROR_INVALID_HANDLE));
}

TEST(FileOutputStream, DestructorDuringAnExceptionClosesQuietly) {
  // The exception on its way is the one that arrives; the process goes on.
  EXPECT_EQ(fileErrorOf([] {
              FileOutputStream file(bogusHandle(), "e.url");
              throw mirrex::FileError(mirrex::EventWriteOutputFile, "first", mirrex::Win32Error("WriteFile", 5));
            }),
            fileErrorText(mirrex::EventWriteOutputFile, "first", "WriteFile", 5));
}
