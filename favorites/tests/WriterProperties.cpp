#include "favorites/tests/WriterProperties.h"

#include "favorites/tests/NameProperties.h"
#include "aol/organize/FavoritePlaces.h"
#include "aol/organize/MemorySource.h"
#include "aol/organize/tests/GrammarSink.h"
#include "favorites/FavoritesFolderWriter.h"
#include "favorites/Names.h"
#include "favorites/UrlScheme.h"
#include "support/Errors.h"

#include <windows.h>

#include <set>
#include <vector>

namespace {

// Passes every event on and keeps the titles and URLs reported.
class ReportedTexts : public FavoritesSink {
public:
  explicit ReportedTexts(FavoritesSink& next) : next_(next) {}

  void advance() override { next_.advance(); }
  void setTitle(const char* title) override {
    titles.insert(title);
    next_.setTitle(title);
  }
  void beginFavorite() override { next_.beginFavorite(); }
  void setUrl(const char* url) override {
    urls.insert(url);
    next_.setUrl(url);
  }
  void endFavorite() override { next_.endFavorite(); }
  void beginFolder() override { next_.beginFolder(); }
  void enterFolder() override { next_.enterFolder(); }
  void leaveFolder() override { next_.leaveFolder(); }
  void endFolder() override { next_.endFolder(); }

  std::set<std::string> titles;
  std::set<std::string> urls;

private:
  FavoritesSink& next_;
};

struct Entry {
  std::string relative;  // below the listed folder, '\'-separated
  std::string name;
  bool directory;
};

void listTree(const std::string& root, const std::string& relative, std::vector<Entry>& entries) {
  WIN32_FIND_DATAA data;
  std::string folder = relative.empty() ? root : root + "\\" + relative;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    std::string name = data.cFileName;
    if (name == "." || name == "..") continue;
    std::string entry = relative.empty() ? name : relative + "\\" + name;
    bool directory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    entries.push_back(Entry{entry, name, directory});
    if (directory) listTree(root, entry, entries);
  } while (FindNextFileA(search, &data));
  FindClose(search);
}

void removeTree(const std::string& folder) {
  std::vector<Entry> entries;
  listTree(folder, "", entries);
  for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
    std::string path = folder + "\\" + entry->relative;
    if (entry->directory) {
      RemoveDirectoryA(path.c_str());
    } else {
      DeleteFileA(path.c_str());
    }
  }
  RemoveDirectoryA(folder.c_str());
}

std::string readFile(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<cannot open: error " + std::to_string(GetLastError()) + ">";
  std::string bytes;
  char chunk[4096];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
  CloseHandle(file);
  return bytes;
}

// The "Modified=" line of a time: the FILETIME's eight bytes in memory
// order as upper-case hexadecimal digits, then their sum modulo 256.
std::string modifiedLine(const Timestamp& time) {
  FILETIME fileTime = time.toFileTime();
  ULONGLONG value = (static_cast<ULONGLONG>(fileTime.dwHighDateTime) << 32) | fileTime.dwLowDateTime;
  const char* digits = "0123456789ABCDEF";
  std::string line = "Modified=";
  unsigned sum = 0;
  for (int i = 0; i <= 8; ++i) {
    unsigned byte = i < 8 ? static_cast<unsigned>(value >> (8 * i)) & 0xFF : sum & 0xFF;
    sum += byte;
    line += digits[byte >> 4];
    line += digits[byte & 15];
  }
  return line + "\r\n";
}

// A URL as its line is written: CR and LF as "%0D" and "%0A".
std::string urlLine(const std::string& url) {
  std::string line;
  for (char c : url) line += c == '\r' ? std::string("%0D") : c == '\n' ? std::string("%0A") : std::string(1, c);
  return line;
}

bool namesReportedTitle(const std::string& name, const std::set<std::string>& titles) {
  std::string title;
  return unescapeName(name, TitleEscapes, TitleEscapesLength, title) && titles.count(title) != 0;
}

std::string entryFault(const std::string& destination, const Entry& entry, const ReportedTexts& texts) {
  if (entry.name == "." || entry.name == ".." || entry.name.find_first_of("\"*/:<>?|\\") != std::string::npos) {
    return "an unsafe component";
  }
  if (isDeviceName(entry.name)) return "a device name";
  // Windows drops these from a name it creates, and the paths below it no
  // longer lead there.
  if (entry.name.back() == '.' || entry.name.back() == ' ') return "a name ending in a dot or a space";
  if (destination.size() + 1 + entry.relative.size() >= MAX_PATH) return "a path of MAX_PATH characters or more";
  if (entry.directory) {
    return namesReportedTitle(entry.name, texts.titles) ? std::string() : "a folder of no reported title";
  }
  const std::string suffix = ".url";
  std::size_t stem = entry.name.size() >= suffix.size() ? entry.name.size() - suffix.size() : 0;
  if (entry.name.size() < suffix.size() || entry.name.compare(stem, suffix.size(), suffix) != 0 ||
      !namesReportedTitle(entry.name.substr(0, stem), texts.titles)) {
    return "a file of no reported title";
  }
  return std::string();
}

std::string shortcutFault(const std::string& bytes, const ReportedTexts& texts, const std::string& modified) {
  const std::string head = "[InternetShortcut]\r\nURL=";
  if (bytes.compare(0, head.size(), head) != 0) return "a shortcut without its section and URL key";
  std::string::size_type end = bytes.find("\r\n", head.size());
  if (end == std::string::npos) return "a shortcut whose URL line does not end";
  std::string line = bytes.substr(head.size(), end - head.size());
  if (line.find_first_of("\r\n") != std::string::npos) return "a line break inside the URL line";
  // Two URLs may make one line: it must be that of one without script.
  bool reported = false;
  bool scriptOnly = true;
  for (const std::string& url : texts.urls) {
    if (urlLine(url) != line) continue;
    reported = true;
    scriptOnly = scriptOnly && isScriptUrl(url.data(), static_cast<DWORD>(url.size()));
  }
  if (!reported) return "a shortcut of no reported URL";
  if (scriptOnly) return "a shortcut of a URL that runs script";
  if (bytes.compare(end + 2, std::string::npos, modified) != 0) return "a shortcut whose lines after the URL differ";
  return std::string();
}

std::string checkWritten(const std::string& sandbox, const std::string& destination, const ReportedTexts& texts,
                         const Timestamp& time) {
  std::vector<Entry> outside;
  listTree(sandbox, "", outside);
  for (const Entry& entry : outside) {
    if (entry.relative != "dest" && entry.relative.compare(0, 5, "dest\\") != 0) {
      return "wrote outside the destination: " + entry.relative;
    }
  }
  std::vector<Entry> entries;
  listTree(destination, "", entries);
  std::string modified = modifiedLine(time);
  for (const Entry& entry : entries) {
    std::string fault = entryFault(destination, entry, texts);
    if (fault.empty() && !entry.directory) {
      fault = shortcutFault(readFile(destination + "\\" + entry.relative), texts, modified);
    }
    if (!fault.empty()) return fault + ": " + entry.relative;
  }
  return std::string();
}

}  // namespace

std::string writerFault(const std::string& organizeBytes, const std::string& sandbox) {
  std::string destination = sandbox + "\\dest";
  if (!CreateDirectoryA(destination.c_str(), nullptr)) {
    return "cannot create " + destination + ": error " + std::to_string(GetLastError());
  }
  std::string fault;
  try {
    FavoritesFolderWriter writer(destination.c_str(), nullptr);
    ReportedTexts texts(writer);
    GrammarSink grammar(&texts);
    organize::MemorySource source(organizeBytes.data(), organizeBytes.size());
    organize::readFavoritePlaces(source, grammar);
    fault = grammar.fault();
    if (fault.empty()) fault = checkWritten(sandbox, destination, texts, writer.defaultTime());
  } catch (const mirrex::BaseError& error) {
    char text[1024];
    error.formatMessage(text, sizeof text);
    fault = std::string("threw: ") + text;
  }
  removeTree(destination);
  return fault;
}
