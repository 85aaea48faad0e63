// The program's pictures, drawn by code so that they can be made again:
// the banner at the top right of every wizard page, and the program's icon,
// a yellow folder with a blue arc over its upper left corner.
#pragma once

#include <string>

namespace art {

// The bytes of banner.bmp: 167 by 86 pixels in 256 colours.
std::string drawBanner();

// The bytes of placemove.ico: 32 by 32 and 16 by 16 pixels in 16 colours.
std::string drawIcon();

}  // namespace art
