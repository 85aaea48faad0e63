#include "favorites/tests/NameProperties.h"

#include "favorites/Names.h"
#include "fuzz/Corpus.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A fuzz input of the name helpers: the title table, `room` characters.
std::string titleInput(const std::string& title, DWORD room = MAX_PATH) {
  return std::string(1, '\0') + static_cast<char>(room & 0xFF) + static_cast<char>(room >> 8) + title;
}

std::string directoryInput(const std::string& name, DWORD room = MAX_PATH) {
  std::string input = titleInput(name, room);
  input[0] = 1;
  return input;
}

// The same for makeFolderName.
std::string folderNameInput(const std::string& name, DWORD room = MAX_PATH) {
  std::string input = titleInput(name, room);
  input[0] = 2;
  return input;
}

// The component a folder title becomes: escaped, protected, marked.
std::string folderComponent(const std::string& title) {
  char buffer[MAX_PATH];
  DWORD length = escapeName(title.c_str(), '%', TitleEscapes, TitleEscapesLength, buffer, MAX_PATH);
  length = protectDeviceName(buffer, length, MAX_PATH);
  std::string component(buffer, length);
  bool dropped = !component.empty() && (component.back() == '.' || component.back() == ' ');
  return dropped ? component + '%' : component;
}

std::string original(const std::string& name) {
  std::string text;
  if (!unescapeName(name, TitleEscapes, TitleEscapesLength, text)) return "<refused>";
  return text;
}

}  // namespace

TEST(NameRoundTrip, EveryHazardTurnsBack) {
  std::string hazards[] = {
      "a\"b", "a*b", "a/b", "a\\b", "a:b", "a<b", "a>b", "a?b", "a|b", "%", "%%", "50%", "%'", "%_x",
      "\"*/\\:<>?|%", "CON", "con.txt", "nul .txt", "Com1", "LPT9.x.y", "CONIN$", "conout$.a", "COM\xB9",
      "PRN  ", "aux:", "CON.", "a.", "a..", ".", "..", "...", "a ", " ", "\x01\x1F\x7F", "\x80\xE9\xFF", "",
  };
  for (const std::string& hazard : hazards) {
    EXPECT_EQ(nameHelperFault(titleInput(hazard)), "");
    EXPECT_EQ(nameHelperFault(directoryInput(hazard)), "");
    EXPECT_EQ(nameHelperFault(folderNameInput(hazard)), "");
    EXPECT_EQ(original(folderComponent(hazard)), hazard);
  }
}

TEST(NameRoundTrip, MarksAreDroppedAndPairsUndone) {
  EXPECT_EQ(folderComponent("CON."), "CON%.%");
  EXPECT_EQ(original("CON%.%"), "CON.");
  EXPECT_EQ(folderComponent("nul .a/b"), "nul %.a%-b");
  EXPECT_EQ(original("nul %.a%-b"), "nul .a/b");
  EXPECT_EQ(folderComponent("50%."), "50%%.%");
  EXPECT_EQ(original("50%%.%"), "50%.");
  EXPECT_EQ(folderComponent("News "), "News %");
  EXPECT_EQ(original("News %"), "News ");
}

TEST(NameRoundTrip, FolderNamesKeepEveryComponentApart) {
  for (const char* name : {"AOL\\Imported", "\\\\server\\share", "C:\\Windows", "..\\..\\up", "a\\\\b\\", ". \\CON \\nul.x.",
                           "\\", "%\\%%\\x%"}) {
    EXPECT_EQ(nameHelperFault(folderNameInput(name)), "") << name;
    EXPECT_EQ(nameHelperFault(folderNameInput(name, 8)), "") << name;
  }
  std::string longest(MAX_PATH - 1, 'n');
  EXPECT_EQ(nameHelperFault(folderNameInput("a\\" + longest, 599)), "");
  EXPECT_EQ(nameHelperFault(folderNameInput("a\\" + longest + "n", 599)), "");
}

TEST(NameRoundTrip, LengthsAroundThePathLimit) {
  // Names of 259, 260 and 261 characters, escaped into 258 to 262
  // characters of room, with pairs falling on every boundary.
  for (std::size_t length = 259; length <= 261; ++length) {
    for (const char* tail : {"", "?", "??", "a?", "CON"}) {
      std::string name = std::string(length - std::string(tail).size(), 'n') + tail;
      for (DWORD room = 258; room <= 262; ++room) {
        EXPECT_EQ(nameHelperFault(titleInput(name, room)), "") << length << " in " << room;
      }
    }
  }
}

TEST(NameRoundTrip, UnescapeRefusesWhatEscapingNeverMakes) {
  std::string text;
  for (const char* name : {"%x", "a%b", "50%z", "%\\"}) {
    EXPECT_FALSE(unescapeName(name, TitleEscapes, TitleEscapesLength, text)) << name;
  }
  EXPECT_FALSE(unescapeName("%_", DirectoryNameEscapes, DirectoryNameEscapesLength, text));
  EXPECT_EQ(original("a%"), "a");
  EXPECT_EQ(original("a%.b"), "a.b");
}

TEST(NameRoundTrip, DeviceNamesAsWindowsSeesThem) {
  for (const char* name : {"CON", "con.txt", "Nul .a.b", "prn:", "AUX  ", "COM1", "lpt9.x", "COM\xB3", "CONOUT$"}) {
    EXPECT_TRUE(isDeviceName(name)) << name;
  }
  for (const char* name : {"CONSOLE", "xCON", " CON", "COM0", "COM10", "LPT", "CON%", "CON%.txt", "a.CON"}) {
    EXPECT_FALSE(isDeviceName(name)) << name;
  }
}

TEST(NameCorpus, EveryInputKeepsTheProperties) {
  std::vector<CorpusInput> inputs = readCorpus(PLACEMOVE_CORPUS);
  ASSERT_FALSE(inputs.empty()) << "no corpus in " << PLACEMOVE_CORPUS;
  for (const CorpusInput& input : inputs) EXPECT_EQ(nameHelperFault(input.bytes), "") << input.name;
}
