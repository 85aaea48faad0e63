// A small raster on which the program's pictures are drawn: shapes are
// tested at a grid of points inside every pixel, and a pixel takes each
// shape's colour in the share of its points that the shape covers. All
// arithmetic is integer, so that a picture comes out the same bytes on
// every compiler.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace art {

// Positions are in eighths of a pixel: pixel (x, y) spans x * 8 .. x * 8 + 7.
const int Unit = 8;

struct Rgb {
  int red;
  int green;
  int blue;

  bool operator==(const Rgb& other) const { return red == other.red && green == other.green && blue == other.blue; }
};

// Tells whether a point (in eighths of a pixel) lies inside a shape.
using Shape = std::function<bool(int x, int y)>;

class Canvas {
public:
  // `samples` points per axis and pixel: 4 smooths the edges, 1 gives the
  // hard edges of small icons.
  Canvas(int width, int height, int samples, Rgb background);

  int width() const { return width_; }
  int height() const { return height_; }
  const Rgb& at(int x, int y) const { return pixels_[y * width_ + x]; }
  // True where some shape covered a point of the pixel.
  bool painted(int x, int y) const { return painted_[y * width_ + x]; }

  void fill(const Shape& shape, Rgb colour);
  // Fills with a colour that changes from `top` at row `fromY` to `bottom`
  // at row `toY` (in pixels).
  void fillVertical(const Shape& shape, Rgb top, Rgb bottom, int fromY, int toY);

private:
  void paint(const Shape& shape, const std::function<Rgb(int y)>& colourOfRow);

  int width_;
  int height_;
  int samples_;
  std::vector<Rgb> pixels_;
  std::vector<bool> painted_;
};

// Shapes, all measured in eighths of a pixel.
Shape box(int left, int top, int right, int bottom);
Shape roundBox(int left, int top, int right, int bottom, int radius);
Shape ellipse(int centreX, int centreY, int radiusX, int radiusY);
// The ring between two radii, limited to the turn that goes clockwise (on
// the screen) from direction (fromX, fromY) to direction (toX, toY), less
// than half a turn.
Shape arc(int centreX, int centreY, int inner, int outer, int fromX, int fromY, int toX, int toY);
// A convex polygon whose corners go clockwise on the screen.
Shape polygon(std::vector<std::pair<int, int>> corners);
Shape both(Shape first, Shape second);
Shape either(Shape first, Shape second);
Shape without(Shape shape, Shape hole);

}  // namespace art
