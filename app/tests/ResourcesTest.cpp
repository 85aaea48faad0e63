// The resources of the built Placemove.exe: the messages, the version, the
// pictures (exactly what tools/art draws), the manifest, and the five wizard
// pages with their controls.
#include "app/Resources.h"
#include "tools/art/Pictures.h"
#include "tests/gui/Program.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace {

class ResourcesTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    program = LoadLibraryExA(placemovePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr) << "LoadLibraryEx " << placemovePath() << ": error " << GetLastError();
  }
  static void TearDownTestSuite() { FreeLibrary(program); }

  static std::string resource(LPCSTR type, int id) {
    HRSRC found = FindResourceA(program, MAKEINTRESOURCEA(id), type);
    if (found == nullptr) {
      ADD_FAILURE() << "no resource " << id << ": error " << GetLastError();
      return std::string();
    }
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(program, found)));
    return std::string(bytes, SizeofResource(program, found));
  }

  static std::string message(UINT id) {
    char text[1024] = "";
    LoadStringA(program, id, text, sizeof text);
    return text;
  }

  static HMODULE program;
};

HMODULE ResourcesTest::program = nullptr;

std::uint32_t get32(const std::string& bytes, std::size_t offset) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes.at(offset + i));
  return value;
}

std::uint16_t get16(const std::string& bytes, std::size_t offset) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes.at(offset)) |
                                    static_cast<unsigned char>(bytes.at(offset + 1)) << 8);
}

TEST_F(ResourcesTest, MessagesAreTheProgramsTextsWithLineFeeds) {
  EXPECT_EQ(message(1), "There are no AOL profiles in the specified directory.  Click OK to choose another directory.");
  EXPECT_EQ(message(2),
            "Placemove could not find the directory '%s' to search for AOL profiles.\nError: %s\n\nClick OK to "
            "choose another directory.");
  EXPECT_EQ(message(3),
            "Placemove could not access file '%s' to see if it's an AOL profile.\nError: %s\n\nClick Abort to choose "
            "another directory, Retry to attempt to access the file again, or Ignore to skip this file.");
  EXPECT_EQ(message(4),
            "One of the Windows system routines necessary for proper Placemove operation has failed.  As a result, "
            "Placemove is stopping.  This is most likely due to a lack of resources (memory, disk space) on this "
            "machine.\n\nRecommended actions include re-installing the Mirrex service, or E-mailing the following "
            "information to support@placemove.example.\n\nError: %s");
  // The bookmarks file's messages and the text of its end.
  EXPECT_EQ(message(5),
            "Please type or browse to the name of the bookmarks file: a file, not a folder, and a path of at most %d "
            "characters.  Click OK to choose another path.");
  EXPECT_EQ(message(6),
            "The file '%s' already exists.\n\nClick Yes to replace it with the new bookmarks file, or No to choose "
            "another file.");
  EXPECT_EQ(message(7),
            "Done!  The bookmarks file below holds %lu favorites; %lu of them are AOL-only links (aol://), which "
            "browsers do not import.");
}

TEST_F(ResourcesTest, VersionIs1313InUsEnglish) {
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(placemovePath().c_str(), &ignored);
  ASSERT_NE(size, 0u) << "GetFileVersionInfoSize: error " << GetLastError();
  std::vector<char> info(size);
  ASSERT_TRUE(GetFileVersionInfoA(placemovePath().c_str(), 0, size, info.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010003u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0x00010003u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010003u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0x00010003u);

  WORD* translation = nullptr;
  ASSERT_TRUE(
      VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
  EXPECT_EQ(translation[0], 0x0409);
  for (const char* name : {"FileDescription", "InternalName"}) {
    char* text = nullptr;
    std::string path = std::string("\\StringFileInfo\\040904E4\\") + name;
    ASSERT_TRUE(VerQueryValueA(info.data(), path.c_str(), reinterpret_cast<void**>(&text), &length)) << name;
    EXPECT_STREQ(text, "Placemove") << name;
  }
}

TEST_F(ResourcesTest, BannerIsTheDrawnPictureOf167By86In256Colours) {
  std::string drawn = art::drawBanner();
  std::string banner = resource(MAKEINTRESOURCEA(2) /* RT_BITMAP */, IDB_BANNER);
  EXPECT_EQ(get32(banner, 4), 167u);
  EXPECT_EQ(get32(banner, 8), 86u);
  EXPECT_EQ(get16(banner, 14), 8u) << "bits per pixel";
  EXPECT_EQ(get32(banner, 32), 256u) << "colours used";
  // The resource is the .bmp file without its 14-byte file header.
  EXPECT_TRUE(banner == drawn.substr(14)) << "Placemove.exe does not carry what tools/art draws: run DrawArt";
}

TEST_F(ResourcesTest, IconIsTheDrawnFolderAt32And16PixelsIn16Colours) {
  std::string drawn = art::drawIcon();
  std::string group = resource(MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */, IDI_PLACEMOVE);
  ASSERT_EQ(get16(group, 4), 2u) << "images";
  for (int image = 0; image < 2; ++image) {
    std::size_t entry = 6 + 14 * image;  // GRPICONDIRENTRY
    int size = image == 0 ? 32 : 16;
    EXPECT_EQ(static_cast<unsigned char>(group[entry]), size);
    EXPECT_EQ(static_cast<unsigned char>(group[entry + 1]), size);
    EXPECT_EQ(static_cast<unsigned char>(group[entry + 2]), 16) << "colours";
    EXPECT_EQ(get16(group, entry + 6), 4u) << "bits per pixel";
    std::string bits = resource(MAKEINTRESOURCEA(3) /* RT_ICON */, get16(group, entry + 12));
    std::size_t drawnEntry = 6 + 16 * image;  // ICONDIRENTRY of the .ico file
    EXPECT_TRUE(bits == drawn.substr(get32(drawn, drawnEntry + 12), get32(drawn, drawnEntry + 8)))
        << "the " << size << "-pixel image is not what tools/art draws: run DrawArt";
  }
}

TEST_F(ResourcesTest, ManifestAsksForCommonControls6AndNoUtf8CodePage) {
  std::string manifest = resource(MAKEINTRESOURCEA(24) /* RT_MANIFEST */, 1);
  for (const char* part : {"Microsoft.Windows.Common-Controls", "version=\"6.0.0.0\"", "level=\"asInvoker\"",
                           "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>", "<dpiAware"}) {
    EXPECT_NE(manifest.find(part), std::string::npos) << part;
  }
  // Titles are the system's ANSI bytes: the program keeps the ANSI code page.
  EXPECT_EQ(manifest.find("activeCodePage"), std::string::npos);
}

// One control of a dialog template.
struct Control {
  int id;
  std::string windowClass;  // in capitals: "BUTTON", "EDIT", "STATIC", ...
  std::string text;         // "#102" for a picture of bitmap 102
  short left, top, width, height;
  DWORD style;  // only the bits that matter here
};

// A dialog template (DIALOG, not DIALOGEX) read field by field.
class DialogTemplate {
public:
  explicit DialogTemplate(std::string bytes) : bytes_(std::move(bytes)) {
    style = get32(bytes_, 0);
    WORD count = get16(bytes_, 8);
    width = static_cast<short>(get16(bytes_, 14));
    height = static_cast<short>(get16(bytes_, 16));
    offset_ = 18;
    text();  // menu
    text();  // class
    caption = text();
    if (style & DS_SETFONT) {
      pointSize = get16(bytes_, offset_);
      offset_ += 2;
      font = text();
    }
    for (WORD i = 0; i < count; ++i) controls.push_back(control());
  }

  DWORD style = 0;
  short width = 0, height = 0;
  std::string caption, font;
  WORD pointSize = 0;
  std::vector<Control> controls;

private:
  // A name or ordinal: 0xFFFF and a number, or UTF-16 characters up to a NUL.
  std::string text() {
    if (get16(bytes_, offset_) == 0xFFFF) {
      WORD number = get16(bytes_, offset_ + 2);
      offset_ += 4;
      return "#" + std::to_string(number);
    }
    std::string value;
    for (WORD c; (c = get16(bytes_, offset_)) != 0; offset_ += 2) value += static_cast<char>(c);
    offset_ += 2;
    return value;
  }

  Control control() {
    offset_ = (offset_ + 3) & ~std::size_t(3);
    Control item;
    item.style = get32(bytes_, offset_);
    item.left = static_cast<short>(get16(bytes_, offset_ + 8));
    item.top = static_cast<short>(get16(bytes_, offset_ + 10));
    item.width = static_cast<short>(get16(bytes_, offset_ + 12));
    item.height = static_cast<short>(get16(bytes_, offset_ + 14));
    item.id = static_cast<short>(get16(bytes_, offset_ + 16));
    offset_ += 18;
    // The predefined classes go by their atoms, from 0x80 on.
    // Names are compared in capitals, as the system compares them.
    static const char* const atoms[] = {"BUTTON", "EDIT", "STATIC", "LISTBOX", "SCROLLBAR", "COMBOBOX"};
    bool predefined = get16(bytes_, offset_) == 0xFFFF;
    item.windowClass = predefined ? atoms[get16(bytes_, offset_ + 2) - 0x80] : std::string();
    if (predefined) {
      offset_ += 4;
    } else {
      item.windowClass = text();
      CharUpperA(&item.windowClass[0]);
    }
    item.text = text();
    offset_ += 2 + get16(bytes_, offset_);  // creation data
    return item;
  }

  std::string bytes_;
  std::size_t offset_ = 0;
};

struct Page {
  int id;
  const char* caption;
  std::vector<Control> controls;  // each compared with its id, class, text and rectangle
};

const Control Banner{-1, "STATIC", "#102", 148, 7, 113, 54, SS_BITMAP | SS_SUNKEN};

const std::vector<Page> Pages = {
    {IDD_INTRODUCTION,
     "Introduction",
     {Banner,
      {-1, "STATIC", "Step 1 of 5", 7, 7, 137, 12, 0},
      {-1, "STATIC",
       "This program will read your AOL Favorite Places and import them into Microsoft's Internet Explorer.", 7, 25,
       133, 34, 0},
      {-1, "STATIC",
       "If you are running Mirrex's Tidemark utility, these imported favorites will also appear as Netscape "
       "Navigator Bookmarks.",
       7, 65, 236, 18, 0},
      {-1, "STATIC",
       "Please note: this utility will import your AOL favorites, but will not keep AOL synchronized with IE.  If "
       "you add Web locations to your AOL Favorites, you will need to re-run this utility to see these favorites in "
       "IE.",
       7, 94, 254, 27, 0},
      {-1, "STATIC", "Choose Next to continue, or cancel to exit.", 7, 146, 254, 9, 0}}},
    {IDD_AOL_DIRECTORY,
     "Source AOL Profiles",
     {Banner,
      {-1, "STATIC", "Step 2 of 5\n\nFind AOL Profile Directory", 7, 7, 137, 28, 0},
      {-1, "STATIC", "The Placemove utility will look in the selected directory for your AOL profiles.", 7, 40, 128, 20,
       0},
      {-1, "STATIC",
       "Your profile(s) are usually stored in the AOL program directory in the 'organize' sub-directory.  If the "
       "directory below is incorrect, please browse to the correct location.",
       7, 65, 254, 25, 0},
      {-1, "BUTTON", "AOL Profile Directory", 7, 95, 254, 40, BS_GROUPBOX},
      {IDC_AOL_DIRECTORY, "EDIT", "", 15, 110, 180, 11, ES_AUTOHSCROLL | WS_BORDER},
      {IDC_BROWSE, "BUTTON", "Browse", 205, 110, 47, 12, BS_PUSHBUTTON}}},
    {IDD_PROFILES,
     "Source AOL Profiles",
     {Banner,
      {-1, "STATIC", "Step 3 of 5\n\nChoose AOL Profiles", 7, 7, 137, 28, 0},
      {-1, "STATIC", "The following AOL profiles were found.  All selected profiles will be imported.", 7, 40, 128, 20,
       0},
      {-1, "STATIC", "Use the CTRL key to add or remove items from your selection.", 7, 70, 248, 10, 0},
      {-1, "BUTTON", "AOL Profiles", 7, 95, 254, 60, BS_GROUPBOX},
      {IDC_PROFILE_LIST, "LISTBOX", "", 20, 110, 225, 40, LBS_EXTENDEDSEL | LBS_NOTIFY | WS_VSCROLL}}},
    {IDD_DESTINATION,
     "Destination Favorites Folder",
     {Banner,
      {-1, "STATIC", "Step 4 of 5\n\nChoose a folder for your imported AOL Favorite Places", 7, 7, 137, 39, 0},
      {-1, "STATIC", "To import into this folder, select &Next.", 7, 47, 127, 11, 0},
      {-1, "STATIC",
       "To import into another folder, type in the folder name or select &Browse to choose another folder.", 7, 61, 254,
       17, 0},
      {-1, "STATIC", "To stop the import process, select Cancel.", 7, 79, 254, 9, 0},
      {-1, "BUTTON", "Favorites Folder", 7, 90, 254, 68, BS_GROUPBOX},
      {IDC_DESTINATION_NAME, "EDIT", "", 15, 101, 175, 14, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
      {IDC_BROWSE, "BUTTON", "Browse", 195, 101, 60, 15, BS_PUSHBUTTON | WS_TABSTOP},
      // One group of two choices, one tab stop; the path starts the next group.
      {IDC_TO_FAVORITES, "BUTTON", "Into the &Favorites folder named above", 15, 119, 240, 10,
       BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP},
      {IDC_TO_FILE, "BUTTON", "A b&ookmarks file for Edge, Chrome, Firefox or Safari:", 15, 129, 240, 10,
       BS_AUTORADIOBUTTON},
      {IDC_FILE_PATH, "EDIT", "", 27, 140, 163, 14, ES_AUTOHSCROLL | WS_BORDER | WS_GROUP | WS_TABSTOP},
      {IDC_BROWSE_FILE, "BUTTON", "Bro&wse...", 195, 140, 60, 15, BS_PUSHBUTTON | WS_TABSTOP}}},
    {IDD_IMPORTING,
     "Importing",
     {Banner,
      {-1, "STATIC", "Step 5 of 5", 7, 7, 78, 12, 0},
      {-1, "STATIC", "Importing...", 7, 23, 132, 17, 0},
      {-1, "BUTTON", "Progress", 7, 85, 252, 35, BS_GROUPBOX},
      {IDC_PROGRESS, "MSCTLS_PROGRESS32", "", 15, 100, 235, 14, WS_BORDER},
      {IDC_DONE_TEXT, "STATIC",
       "Done!  You may now browse your AOL Favorite Places through Internet Explorer.  Choose Finish or Cancel to "
       "close this window.",
       7, 137, 254, 18, 0},
      {IDC_FILE_DONE_TEXT, "STATIC", "", 7, 63, 254, 20, 0},
      {IDC_SAVED_PATH, "EDIT", "", 7, 124, 180, 14, ES_AUTOHSCROLL | ES_READONLY | WS_BORDER},
      {IDC_SHOW_FILE, "BUTTON", "&Show in Explorer", 191, 123, 70, 15, BS_PUSHBUTTON | WS_TABSTOP},
      {IDC_EDGE_TEXT, "STATIC",
       "To import it in Edge: Settings, Profiles, Import browser data, \"Favorites or bookmarks HTML file\", Choose "
       "file.  Then choose Finish.",
       7, 142, 254, 18, 0}}},
};

TEST_F(ResourcesTest, WizardPagesHoldTheirControls) {
  for (const Page& page : Pages) {
    SCOPED_TRACE("dialog " + std::to_string(page.id));
    DialogTemplate dialog(resource(MAKEINTRESOURCEA(5) /* RT_DIALOG */, page.id));
    EXPECT_EQ(dialog.caption, page.caption);
    EXPECT_EQ(dialog.width, 268);
    EXPECT_EQ(dialog.height, 162);
    EXPECT_EQ(dialog.font, "MS Sans Serif");
    EXPECT_EQ(dialog.pointSize, 8);
    EXPECT_EQ(dialog.style & (WS_CHILD | WS_CAPTION), DWORD(WS_CHILD | WS_CAPTION)) << "a property sheet page";
    ASSERT_EQ(dialog.controls.size(), page.controls.size());
    for (std::size_t i = 0; i < page.controls.size(); ++i) {
      const Control &got = dialog.controls[i], &expected = page.controls[i];
      SCOPED_TRACE("control " + std::to_string(i) + " " + expected.text);
      EXPECT_EQ(got.id, expected.id);
      EXPECT_EQ(got.windowClass, expected.windowClass);
      EXPECT_EQ(got.text, expected.text);
      EXPECT_EQ((std::vector<short>{got.left, got.top, got.width, got.height}),
                (std::vector<short>{expected.left, expected.top, expected.width, expected.height}));
      EXPECT_EQ(got.style & expected.style, expected.style) << std::hex << got.style;
    }
  }
}

// Alt and a letter reach one control of a page: the letters after '&' are
// distinct on every page, and only the texts that name the sheet's Back
// and Next buttons ("select &Next") take their letters.
TEST_F(ResourcesTest, MnemonicsOfEveryPageAreDistinct) {
  for (const Page& page : Pages) {
    SCOPED_TRACE("dialog " + std::to_string(page.id));
    DialogTemplate dialog(resource(MAKEINTRESOURCEA(5), page.id));
    std::string letters;
    for (const Control& control : dialog.controls) {
      std::size_t amp = control.text.find('&');
      if (amp == std::string::npos || amp + 1 == control.text.size()) continue;
      char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(control.text[amp + 1])));
      EXPECT_EQ(letters.find(letter), std::string::npos) << control.text;
      letters += letter;
      bool namesSheetButton = control.text.find("select &") != std::string::npos;
      if (!namesSheetButton) {
        EXPECT_TRUE(letter != 'b' && letter != 'n') << control.text << " takes a letter of Back or Next";
      }
    }
  }
}

// Styles that must be absent: the texts of the end alone start hidden (the
// second choice too is not a tab stop), the profile list keeps discovery's
// order, the progress bar moves in blocks.
TEST_F(ResourcesTest, CompletionTextsHiddenProfilesUnsortedProgressInBlocks) {
  DialogTemplate destination(resource(MAKEINTRESOURCEA(5), IDD_DESTINATION));
  for (const Control& control : destination.controls) {
    if (control.id == IDC_TO_FILE) {
      EXPECT_EQ(control.style & WS_TABSTOP, 0u);
    }
  }
  DialogTemplate importing(resource(MAKEINTRESOURCEA(5), IDD_IMPORTING));
  for (const Control& control : importing.controls) {
    bool endText = control.id == IDC_DONE_TEXT || control.id == IDC_FILE_DONE_TEXT || control.id == IDC_SAVED_PATH ||
                   control.id == IDC_SHOW_FILE || control.id == IDC_EDGE_TEXT;
    EXPECT_EQ((control.style & WS_VISIBLE) == 0, endText) << control.text;
    if (control.id == IDC_PROGRESS) {
      EXPECT_EQ(control.style & 0x01 /* PBS_SMOOTH */, 0u);
    }
  }
  DialogTemplate profiles(resource(MAKEINTRESOURCEA(5), IDD_PROFILES));
  EXPECT_EQ(profiles.controls.back().style & LBS_SORT, 0u);
}

}  // namespace
