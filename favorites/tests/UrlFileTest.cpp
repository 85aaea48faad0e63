#include "favorites/FavoritesFolderWriter.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const LONGLONG Timestamp2000 = 9466848000000000ll;  // 2000-01-01 00:00:00 UTC
const std::string Header = "[InternetShortcut]\r\nURL=";

class UrlFileTest : public ::testing::Test {
protected:
  TempFolder temp;

  // The file that writeUrlFile makes for the title `name`.
  std::string write(const std::string& name, const std::string& url, Timestamp time = Timestamp(Timestamp2000)) {
    FavoritesFolderWriter writer(temp.path().c_str(), nullptr);
    writer.setTitle(name.c_str());
    writer.writeUrlFile(url.data(), static_cast<DWORD>(url.size()), time);
    writer.leaveFolder();
    return temp.read(name + ".url");
  }
};

}  // namespace

TEST_F(UrlFileTest, WritesTheExactBytes) {
  EXPECT_EQ(write("a", "http://a.example/"),
            "[InternetShortcut]\r\nURL=http://a.example/\r\nModified=00406D25EB53BF01D0\r\n");
  // The check byte is the sum of the eight bytes modulo 256: 0x3C1 here.
  EXPECT_EQ(write("b", "x", Timestamp(1)), Header + "x\r\nModified=01803ED5DEB19D01C1\r\n");
}

TEST_F(UrlFileTest, ZeroTimeWritesNoModifiedLine) {
  EXPECT_EQ(write("a", "http://a/", Timestamp()), Header + "http://a/\r\n");
}

TEST_F(UrlFileTest, EmptyAndAbsentUrls) {
  EXPECT_EQ(write("a", "", Timestamp()), Header + "\r\n");
  FavoritesFolderWriter writer(temp.path().c_str(), nullptr);
  writer.setTitle("b");
  writer.writeUrlFile(nullptr, 5, Timestamp());
  EXPECT_EQ(temp.read("b.url"), Header + "\r\n");
}

TEST_F(UrlFileTest, UrlsOfEveryLengthAroundTheBuffer) {
  // The header fills 24 bytes of the 4096-byte buffer: 4072 fill it
  // exactly, longer URLs pass through behind it.
  for (std::size_t length : {4071, 4072, 4073, 4096, 4097, 20000}) {
    std::string url = "http://long.example/";
    for (std::size_t i = url.size(); i < length; ++i) url += static_cast<char>('a' + i % 26);
    EXPECT_EQ(write("u", url, Timestamp()), Header + url + "\r\n") << "length " << length;
    EXPECT_EQ(write("m", url), Header + url + "\r\nModified=00406D25EB53BF01D0\r\n") << "length " << length;
  }
}

TEST_F(UrlFileTest, LineBreaksInTheUrlAreEscaped) {
  EXPECT_EQ(write("a", "http://a/\r\nIconFile=\\\\server\\share\\x.ico", Timestamp()),
            Header + "http://a/%0D%0AIconFile=\\\\server\\share\\x.ico\r\n");
  EXPECT_EQ(write("b", "\nx\ry\n\n", Timestamp()), Header + "%0Ax%0Dy%0A%0A\r\n");
  EXPECT_EQ(write("c", "%0D stays", Timestamp()), Header + "%0D stays\r\n");
  std::string bytes = "\t\x01\x7F\x80\xFF";
  EXPECT_EQ(write("d", bytes, Timestamp()), Header + bytes + "\r\n") << "every other byte is kept";
}

TEST_F(UrlFileTest, RewritingReplacesTheWholeFile) {
  write("a", std::string(10000, 'x'));
  EXPECT_EQ(write("a", "short", Timestamp()), Header + "short\r\n");
}
