// Colour tables for pictures of 256 and 16 colours.
#pragma once

#include "tools/art/Canvas.h"

#include <vector>

namespace art {

// The 16 colours of the standard VGA table, in their usual order.
extern const std::vector<Rgb> VgaColours;

// At most `count` colours that stand for all of `colours`: the colour space
// is cut in two at the median of its widest channel until there are `count`
// boxes, and each box is represented by the mean of its colours.
std::vector<Rgb> medianCut(std::vector<Rgb> colours, std::size_t count);

// The index of the entry of `palette` closest to `colour`.
int nearest(const std::vector<Rgb>& palette, Rgb colour);

}  // namespace art
