#include "tools/art/Palette.h"

#include <algorithm>
#include <cstdint>
#include <tuple>

namespace art {

const std::vector<Rgb> VgaColours = {
    {0, 0, 0},     {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128}, {128, 0, 128},
    {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0},     {0, 255, 0}, {255, 255, 0},
    {0, 0, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255},
};

namespace {

int channel(const Rgb& colour, int which) { return which == 0 ? colour.red : which == 1 ? colour.green : colour.blue; }

struct Box {
  std::size_t begin;
  std::size_t end;
  int widestChannel;
  int width;  // of the widest channel; 0 when all colours are equal
};

Box measure(const std::vector<Rgb>& colours, std::size_t begin, std::size_t end) {
  Box box{begin, end, 0, 0};
  for (int which = 0; which < 3; ++which) {
    int low = 255, high = 0;
    for (std::size_t i = begin; i < end; ++i) {
      low = std::min(low, channel(colours[i], which));
      high = std::max(high, channel(colours[i], which));
    }
    if (high - low > box.width) {
      box.width = high - low;
      box.widestChannel = which;
    }
  }
  return box;
}

}  // namespace

std::vector<Rgb> medianCut(std::vector<Rgb> colours, std::size_t count) {
  std::vector<Box> boxes{measure(colours, 0, colours.size())};
  while (boxes.size() < count) {
    // Split the box with the widest channel; the first such box on a tie.
    auto widest =
        std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) { return a.width < b.width; });
    if (widest->width == 0) break;
    Box box = *widest;
    int which = box.widestChannel;
    // A total order, so that the cut does not depend on the sort's stability.
    std::sort(colours.begin() + box.begin, colours.begin() + box.end, [which](const Rgb& a, const Rgb& b) {
      return std::make_tuple(channel(a, which), a.red, a.green, a.blue) <
             std::make_tuple(channel(b, which), b.red, b.green, b.blue);
    });
    std::size_t middle = box.begin + (box.end - box.begin) / 2;
    *widest = measure(colours, box.begin, middle);
    boxes.push_back(measure(colours, middle, box.end));
  }
  std::vector<Rgb> palette;
  for (const Box& box : boxes) {
    std::int64_t red = 0, green = 0, blue = 0;
    std::int64_t n = static_cast<std::int64_t>(box.end - box.begin);
    if (n == 0) continue;
    for (std::size_t i = box.begin; i < box.end; ++i) {
      red += colours[i].red;
      green += colours[i].green;
      blue += colours[i].blue;
    }
    palette.push_back(Rgb{int((red + n / 2) / n), int((green + n / 2) / n), int((blue + n / 2) / n)});
  }
  return palette;
}

int nearest(const std::vector<Rgb>& palette, Rgb colour) {
  int best = 0;
  int bestDistance = -1;
  for (std::size_t i = 0; i < palette.size(); ++i) {
    int dr = palette[i].red - colour.red, dg = palette[i].green - colour.green, db = palette[i].blue - colour.blue;
    int distance = dr * dr + dg * dg + db * db;
    if (bestDistance < 0 || distance < bestDistance) {
      best = static_cast<int>(i);
      bestDistance = distance;
    }
  }
  return best;
}

}  // namespace art
