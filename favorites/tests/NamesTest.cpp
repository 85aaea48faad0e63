#include "favorites/Names.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string escaped(const std::string& source, const char* table, DWORD tableLength, DWORD size = 260) {
  std::string buffer(size + 1, '\x7F');
  DWORD count = escapeName(source.c_str(), '%', table, tableLength, &buffer[0], size);
  EXPECT_EQ(buffer[size], '\x7F') << "wrote past the buffer";
  if (count + 1 < size) {
    EXPECT_EQ(buffer[count], '\0');
  }
  return buffer.substr(0, count);
}

std::string asTitle(const std::string& source) { return escaped(source, TitleEscapes, TitleEscapesLength); }
std::string asDirectory(const std::string& source) {
  return escaped(source, DirectoryNameEscapes, DirectoryNameEscapesLength);
}

}  // namespace

TEST(EscapeName, TablesHoldTheirPairs) {
  EXPECT_EQ(std::string(DirectoryNameEscapes, DirectoryNameEscapesLength), "\"'*+/-:;<{>}?~|!%%");
  EXPECT_EQ(std::string(TitleEscapes, TitleEscapesLength), "\"'*+/-\\_:;<{>}?~|!%%");
}

TEST(EscapeName, EscapesEveryListedCharacter) {
  EXPECT_EQ(asTitle("a/b"), "a%-b");
  EXPECT_EQ(asTitle("50%"), "50%%");
  EXPECT_EQ(asTitle("x\\y"), "x%_y");
  EXPECT_EQ(asDirectory("x\\y"), "x\\y");
  EXPECT_EQ(asTitle("What?"), "What%~");
  EXPECT_EQ(asDirectory("What?"), "What%~");
  EXPECT_EQ(asTitle("\"*/\\:<>?|%"), "%'%+%-%_%;%{%}%~%!%%");
  EXPECT_EQ(asDirectory("\"*/:<>?|%"), "%'%+%-%;%{%}%~%!%%");
}

TEST(EscapeName, CopiesOtherCharactersUnchanged) {
  std::string others = "Az09 .,;'+-_{}~!\x01\x7F\x80\xE9\xFF";
  EXPECT_EQ(asTitle(others), others);
}

TEST(EscapeName, EmptyTextWritesOnlyTheTerminator) {
  char buffer[4] = {'x', 'x', 'x', 'x'};
  EXPECT_EQ(escapeName("", '%', TitleEscapes, TitleEscapesLength, buffer, sizeof buffer), 0u);
  EXPECT_EQ(buffer[0], '\0');
  EXPECT_EQ(buffer[1], 'x');
}

TEST(EscapeName, TinyBuffersGetNothing) {
  char buffer[2] = {'x', 'x'};
  EXPECT_EQ(escapeName("abc", '%', TitleEscapes, TitleEscapesLength, buffer, 1), 0u);
  EXPECT_EQ(escapeName("abc", '%', TitleEscapes, TitleEscapesLength, buffer, 0), 0u);
  EXPECT_EQ(buffer[0], 'x');
}

TEST(EscapeName, ExactFitIsLeftUnterminated) {
  // "ab%-" has four characters: with a size of five they all fit without a
  // terminator; with six they are terminated.
  char buffer[8];
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(escapeName("ab/", '%', TitleEscapes, TitleEscapesLength, buffer, 5), 4u);
  EXPECT_EQ(std::string(buffer, 6), "ab%-xx");
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(escapeName("ab/", '%', TitleEscapes, TitleEscapesLength, buffer, 6), 4u);
  EXPECT_EQ(std::string(buffer, 6), std::string("ab%-\0x", 6));
}

TEST(EscapeName, EscapeAtTheLastPlaceEndsAtTheBufferEnd) {
  // The pair starts at size - 2 and ends at size - 1; nothing goes beyond.
  for (DWORD size = 2; size <= 8; ++size) {
    std::string text = escaped("abcdefgh?", TitleEscapes, TitleEscapesLength, size);
    EXPECT_GE(text.size(), size - 1) << "size " << size;
  }
  EXPECT_EQ(escaped("ab?", TitleEscapes, TitleEscapesLength, 4), "ab%~");
  EXPECT_EQ(escaped("abcdefgh", TitleEscapes, TitleEscapesLength, 4), "abc");
}

namespace {

std::string protectedName(std::string name, DWORD room = 260) {
  std::string buffer = name;
  buffer.resize(room + 1, '\x7F');
  buffer[name.size()] = '\0';
  DWORD length = protectDeviceName(&buffer[0], static_cast<DWORD>(name.size()), room);
  EXPECT_EQ(buffer[room], '\x7F') << "wrote past the room";
  if (length == room) return "<no room>";
  EXPECT_EQ(buffer[length], '\0');
  return buffer.substr(0, length);
}

}  // namespace

TEST(ProtectDeviceName, MarksDeviceStems) {
  EXPECT_EQ(protectedName("CON"), "CON%");
  EXPECT_EQ(protectedName("nul.txt"), "nul%.txt");
  EXPECT_EQ(protectedName("nul .txt"), "nul %.txt");
  EXPECT_EQ(protectedName("Com1"), "Com1%");
  EXPECT_EQ(protectedName("aux.a.b"), "aux%.a.b");
  EXPECT_EQ(protectedName("PRN  "), "PRN  %");
  for (const char* name : {"CON", "PRN", "AUX", "NUL", "CONIN$", "conout$", "COM0", "COM9", "LPT0", "lpt9",
                           "COM\xB9", "COM\xB2", "LPT\xB3"}) {
    EXPECT_EQ(protectedName(name), std::string(name) + "%") << name;
  }
}

TEST(ProtectDeviceName, LeavesOtherNamesAlone) {
  for (const char* name : {"CONSOLE", "NULL", "COM", "COM10", "LPT", "COM1x", "xCON", " CON", "CO N", "",
                           ".CON", "COM\xB4", "CON%", "a.CON"}) {
    EXPECT_EQ(protectedName(name), name) << name;
  }
}

TEST(ProtectDeviceName, RefusesWhenTheMarkDoesNotFit) {
  EXPECT_EQ(protectedName("CON", 4), "<no room>");
  EXPECT_EQ(protectedName("CON", 5), "CON%");
  EXPECT_EQ(protectedName("CONX", 5), "CONX");
}

namespace {

const std::string Refused = "<refused>";

// The folder name made into a buffer of `size` with a guard behind it.
std::string folderName(const std::string& name, DWORD size = 260) {
  std::string buffer(size + 1, '\x7F');
  DWORD length = makeFolderName(name.c_str(), &buffer[0], size);
  EXPECT_EQ(buffer[size], '\x7F') << "wrote past the buffer for " << name;
  if (length == size) {
    if (size > 0) {
      EXPECT_EQ(buffer[0], '\0') << "a refused name leaves the buffer empty";
    }
    return Refused;
  }
  EXPECT_EQ(buffer[length], '\0') << "unterminated for " << name;
  return buffer.substr(0, length);
}

}  // namespace

TEST(MakeFolderName, KeepsOrdinaryNamesAndNestsAtBackslashes) {
  EXPECT_EQ(folderName("AOL Favorite Places"), "AOL Favorite Places");
  EXPECT_EQ(folderName("Links\\News"), "Links\\News");
  EXPECT_EQ(folderName(""), "");
  EXPECT_EQ(folderName(" x"), " x");
  EXPECT_EQ(folderName("..x"), "..x");
  EXPECT_EQ(folderName(".profile"), ".profile");
}

TEST(MakeFolderName, EscapesWhatWindowsRefuses) {
  EXPECT_EQ(folderName("What? <Now>"), "What%~ %{Now%}");
  EXPECT_EQ(folderName("AOL: \"Mine\"\\50%|*"), "AOL%; %'Mine%'\\50%%%!%+");
  // A slash is no separator here: it is escaped, and the dots stay inside.
  EXPECT_EQ(folderName("x/../y"), "x%-..%-y");
}

TEST(MakeFolderName, NothingLeavesTheFolder) {
  EXPECT_EQ(folderName(".."), "..%");
  EXPECT_EQ(folderName("."), ".%");
  EXPECT_EQ(folderName("..."), "...%");
  EXPECT_EQ(folderName("..\\..\\..\\Startup"), "..%\\..%\\..%\\Startup");
  EXPECT_EQ(folderName("AOL\\..\\..\\x"), "AOL\\..%\\..%\\x");
  EXPECT_EQ(folderName("..\\x"), "..%\\x");
  // Drives, shares, roots and device paths become plain folders below.
  EXPECT_EQ(folderName("C:\\Windows"), "C%;\\Windows");
  EXPECT_EQ(folderName("C:x"), "C%;x");
  EXPECT_EQ(folderName("\\\\server\\share"), "server\\share");
  EXPECT_EQ(folderName("\\Startup"), "Startup");
  EXPECT_EQ(folderName("\\\\?\\C:\\Windows"), "%~\\C%;\\Windows");
  EXPECT_EQ(folderName("\\\\.\\PhysicalDrive0"), ".%\\PhysicalDrive0");
  // Doubled and trailing backslashes make no empty component.
  EXPECT_EQ(folderName("a\\\\b\\"), "a\\b");
  EXPECT_EQ(folderName("\\"), "");
  EXPECT_EQ(folderName("\\\\\\"), "");
}

TEST(MakeFolderName, MarksNamesThatWindowsWouldChange) {
  EXPECT_EQ(folderName("Misc."), "Misc.%");
  EXPECT_EQ(folderName("News "), "News %");
  EXPECT_EQ(folderName("a. \\b"), "a. %\\b");
  EXPECT_EQ(folderName("   "), "   %");
  EXPECT_EQ(folderName("CON"), "CON%");
  EXPECT_EQ(folderName("AOL\\nul.txt\\x"), "AOL\\nul%.txt\\x");
  EXPECT_EQ(folderName("com1 "), "com1 %");
  EXPECT_EQ(folderName("CON."), "CON%.%");
  EXPECT_EQ(folderName("Lpt3\\Aux"), "Lpt3%\\Aux%");
  EXPECT_EQ(folderName("CONSOLE\\CON%"), "CONSOLE\\CON%%");
}

TEST(MakeFolderName, RefusesWhatDoesNotFitAndNeverCuts) {
  std::string a259(259, 'a');
  EXPECT_EQ(folderName(a259), a259);
  EXPECT_EQ(folderName(std::string(260, 'a')), Refused);
  EXPECT_EQ(folderName("a\\" + std::string(257, 'b')), "a\\" + std::string(257, 'b'));
  EXPECT_EQ(folderName("a\\" + std::string(258, 'b')), Refused);
  // Escaping doubles: 129 question marks make 258 characters, 130 too many.
  EXPECT_EQ(folderName(std::string(129, '?') + "x").size(), 259u);
  EXPECT_EQ(folderName(std::string(130, '?')), Refused);
  // The marks count too.
  EXPECT_EQ(folderName("CON", 5), "CON%");
  EXPECT_EQ(folderName("CON", 4), Refused);
  EXPECT_EQ(folderName("..", 4), "..%");
  EXPECT_EQ(folderName("..", 3), Refused);
  EXPECT_EQ(folderName("x\\..", 6), "x\\..%");
  EXPECT_EQ(folderName("x\\..", 5), Refused);
  EXPECT_EQ(folderName("\\\\x\\\\", 2), "x");
  EXPECT_EQ(folderName("", 1), "");
  EXPECT_EQ(folderName("x", 1), Refused);
  EXPECT_EQ(folderName("x", 0), Refused);
  // A screen name may be far longer than any folder name.
  EXPECT_EQ(folderName(std::string(1023, 's')), Refused);
  EXPECT_EQ(folderName(std::string(300, '\\') + "x"), "x");
}
