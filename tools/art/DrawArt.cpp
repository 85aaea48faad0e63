// Draws the program's pictures into the current folder: banner.bmp and
// placemove.ico, which app/Placemove.rc takes in. Run it in app/ after
// changing a picture (see the README):
//   cmake --build build/windows --target DrawArt
//   cd app && ../scripts/wine-exec win32 ../build/windows/tools/art/DrawArt.exe
// ResourcesTest checks that Placemove.exe carries exactly what it draws.
#include "tools/art/Pictures.h"

#include <fstream>
#include <iostream>
#include <string>

namespace {

bool save(const std::string& name, const std::string& bytes) {
  std::ofstream file(name, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (!file) std::cerr << "cannot write " << name << "\n";
  return static_cast<bool>(file);
}

}  // namespace

int main() {
  bool saved = save("banner.bmp", art::drawBanner());
  saved = save("placemove.ico", art::drawIcon()) && saved;
  return saved ? 0 : 1;
}
