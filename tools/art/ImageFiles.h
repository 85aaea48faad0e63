// The file formats in which the resource compiler takes pictures.
#pragma once

#include "tools/art/Canvas.h"

#include <string>
#include <vector>

namespace art {

// A .bmp file of 256 colours: the canvas reduced to a palette by median cut.
std::string bitmapFile(const Canvas& canvas);

// A .ico file holding one image of 16 colours (the VGA table) per canvas,
// transparent wherever nothing was painted.
std::string iconFile(const std::vector<const Canvas*>& images);

}  // namespace art
