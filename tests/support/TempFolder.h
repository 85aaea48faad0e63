// A fresh folder below the system's temporary folder, removed with all it
// holds when the object goes. Paths use backslashes, as the program's own
// do; both builds read and write them through the Win32 file calls.
#pragma once

#include <string>
#include <vector>

class TempFolder {
public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder's path, without a trailing backslash.
  const std::string& path() const { return path_; }
  // path() + "\" + relative.
  std::string operator/(const std::string& relative) const;

  // Every directory and file below the folder, relative to it, sorted;
  // directories end with a backslash.
  std::vector<std::string> tree() const;
  // The bytes of a file below the folder; fails the test when it cannot be read.
  std::string read(const std::string& relative) const;
  void write(const std::string& relative, const std::string& bytes) const;
  void makeDirectory(const std::string& relative) const;

private:
  std::string path_;
};

// Reads or writes a whole file through the Win32 file calls.
std::string readWholeFile(const std::string& path);
void writeWholeFile(const std::string& path, const std::string& bytes);
