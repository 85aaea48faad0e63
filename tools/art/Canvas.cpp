#include "tools/art/Canvas.h"

#include <cstdint>
#include <utility>

namespace art {

Canvas::Canvas(int width, int height, int samples, Rgb background)
    : width_(width),
      height_(height),
      samples_(samples),
      pixels_(width * height, background),
      painted_(width * height, false) {}

void Canvas::fill(const Shape& shape, Rgb colour) {
  paint(shape, [colour](int) { return colour; });
}

void Canvas::fillVertical(const Shape& shape, Rgb top, Rgb bottom, int fromY, int toY) {
  int span = toY > fromY ? toY - fromY : 1;
  paint(shape, [=](int y) {
    int step = y < fromY ? 0 : y > toY ? span : y - fromY;
    auto mix = [&](int a, int b) { return (a * (span - step) + b * step + span / 2) / span; };
    return Rgb{mix(top.red, bottom.red), mix(top.green, bottom.green), mix(top.blue, bottom.blue)};
  });
}

void Canvas::paint(const Shape& shape, const std::function<Rgb(int y)>& colourOfRow) {
  const int all = samples_ * samples_;
  for (int y = 0; y < height_; ++y) {
    Rgb colour = colourOfRow(y);
    for (int x = 0; x < width_; ++x) {
      int covered = 0;
      for (int sy = 0; sy < samples_; ++sy) {
        for (int sx = 0; sx < samples_; ++sx) {
          // Points at the centres of a samples x samples grid in the pixel.
          int px = x * Unit + (2 * sx + 1) * Unit / (2 * samples_);
          int py = y * Unit + (2 * sy + 1) * Unit / (2 * samples_);
          if (shape(px, py)) ++covered;
        }
      }
      if (covered == 0) continue;
      Rgb& pixel = pixels_[y * width_ + x];
      auto mix = [&](int old, int added) { return (old * (all - covered) + added * covered + all / 2) / all; };
      pixel = Rgb{mix(pixel.red, colour.red), mix(pixel.green, colour.green), mix(pixel.blue, colour.blue)};
      painted_[y * width_ + x] = true;
    }
  }
}

Shape box(int left, int top, int right, int bottom) {
  return [=](int x, int y) { return x >= left && x < right && y >= top && y < bottom; };
}

Shape roundBox(int left, int top, int right, int bottom, int radius) {
  return [=](int x, int y) {
    if (x < left || x >= right || y < top || y >= bottom) return false;
    // Outside the rounded corners, measure from the nearest corner's centre.
    int cx = x < left + radius ? left + radius : x > right - radius ? right - radius : x;
    int cy = y < top + radius ? top + radius : y > bottom - radius ? bottom - radius : y;
    std::int64_t dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy <= std::int64_t(radius) * radius;
  };
}

Shape ellipse(int centreX, int centreY, int radiusX, int radiusY) {
  return [=](int x, int y) {
    std::int64_t dx = std::int64_t(x - centreX) * radiusY, dy = std::int64_t(y - centreY) * radiusX;
    std::int64_t r = std::int64_t(radiusX) * radiusY;
    return dx * dx + dy * dy <= r * r;
  };
}

Shape arc(int centreX, int centreY, int inner, int outer, int fromX, int fromY, int toX, int toY) {
  return [=](int x, int y) {
    std::int64_t dx = x - centreX, dy = y - centreY;
    std::int64_t distance = dx * dx + dy * dy;
    if (distance < std::int64_t(inner) * inner || distance > std::int64_t(outer) * outer) return false;
    // Clockwise on the screen (y grows downwards) is a positive cross product.
    return fromX * dy - fromY * dx >= 0 && dx * toY - dy * toX >= 0;
  };
}

Shape polygon(std::vector<std::pair<int, int>> corners) {
  return [corners = std::move(corners)](int x, int y) {
    for (std::size_t i = 0; i < corners.size(); ++i) {
      auto [ax, ay] = corners[i];
      auto [bx, by] = corners[(i + 1) % corners.size()];
      if (std::int64_t(bx - ax) * (y - ay) - std::int64_t(by - ay) * (x - ax) < 0) return false;
    }
    return true;
  };
}

Shape both(Shape first, Shape second) {
  return [=](int x, int y) { return first(x, y) && second(x, y); };
}

Shape either(Shape first, Shape second) {
  return [=](int x, int y) { return first(x, y) || second(x, y); };
}

Shape without(Shape shape, Shape hole) {
  return [=](int x, int y) { return shape(x, y) && !hole(x, y); };
}

}  // namespace art
