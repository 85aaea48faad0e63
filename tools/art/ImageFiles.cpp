#include "tools/art/ImageFiles.h"

#include "tools/art/Palette.h"

#include <cstdint>

namespace art {

namespace {

void put16(std::string& bytes, unsigned value) {
  bytes += static_cast<char>(value & 0xFF);
  bytes += static_cast<char>((value >> 8) & 0xFF);
}

void put32(std::string& bytes, std::uint32_t value) {
  put16(bytes, value & 0xFFFF);
  put16(bytes, value >> 16);
}

// Rows of a device-independent bitmap are padded to 32 bits.
std::uint32_t rowBytes(int width, int bitsPerPixel) { return ((width * bitsPerPixel + 31) / 32) * 4; }

// BITMAPINFOHEADER; an icon image declares twice its height (colours, then mask).
void putInfoHeader(std::string& bytes, int width, int height, int bitsPerPixel, std::uint32_t imageSize,
                   std::uint32_t coloursUsed) {
  put32(bytes, 40);
  put32(bytes, width);
  put32(bytes, height);
  put16(bytes, 1);
  put16(bytes, bitsPerPixel);
  put32(bytes, 0);  // BI_RGB
  put32(bytes, imageSize);
  put32(bytes, 2835);  // 72 dots per inch
  put32(bytes, 2835);
  put32(bytes, coloursUsed);
  put32(bytes, 0);
}

void putPalette(std::string& bytes, const std::vector<Rgb>& palette, std::size_t entries) {
  for (std::size_t i = 0; i < entries; ++i) {
    Rgb colour = i < palette.size() ? palette[i] : Rgb{0, 0, 0};
    bytes += static_cast<char>(colour.blue);
    bytes += static_cast<char>(colour.green);
    bytes += static_cast<char>(colour.red);
    bytes += '\0';
  }
}

std::string iconImage(const Canvas& canvas) {
  int width = canvas.width(), height = canvas.height();
  std::uint32_t colourRow = rowBytes(width, 4), maskRow = rowBytes(width, 1);
  std::string bytes;
  putInfoHeader(bytes, width, height * 2, 4, (colourRow + maskRow) * height, 0);
  putPalette(bytes, VgaColours, 16);
  for (int y = height - 1; y >= 0; --y) {
    std::string row(colourRow, '\0');
    for (int x = 0; x < width; ++x) {
      int index = canvas.painted(x, y) ? nearest(VgaColours, canvas.at(x, y)) : 0;
      row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
    }
    bytes += row;
  }
  for (int y = height - 1; y >= 0; --y) {
    std::string row(maskRow, '\0');
    for (int x = 0; x < width; ++x) {
      if (!canvas.painted(x, y)) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
    }
    bytes += row;
  }
  return bytes;
}

}  // namespace

std::string bitmapFile(const Canvas& canvas) {
  int width = canvas.width(), height = canvas.height();
  std::vector<Rgb> colours;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) colours.push_back(canvas.at(x, y));
  }
  std::vector<Rgb> palette = medianCut(colours, 256);

  std::uint32_t row = rowBytes(width, 8);
  std::uint32_t headers = 14 + 40 + 256 * 4;
  std::string bytes = "BM";
  put32(bytes, headers + row * height);
  put32(bytes, 0);
  put32(bytes, headers);
  putInfoHeader(bytes, width, height, 8, row * height, 256);
  putPalette(bytes, palette, 256);
  for (int y = height - 1; y >= 0; --y) {
    std::string line(row, '\0');
    for (int x = 0; x < width; ++x) line[x] = static_cast<char>(nearest(palette, canvas.at(x, y)));
    bytes += line;
  }
  return bytes;
}

std::string iconFile(const std::vector<const Canvas*>& images) {
  std::string bytes;
  put16(bytes, 0);
  put16(bytes, 1);  // an icon, not a cursor
  put16(bytes, static_cast<unsigned>(images.size()));
  std::vector<std::string> bodies;
  for (const Canvas* image : images) bodies.push_back(iconImage(*image));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    bytes += static_cast<char>(images[i]->width());
    bytes += static_cast<char>(images[i]->height());
    bytes += static_cast<char>(16);  // colours
    bytes += '\0';
    put16(bytes, 1);  // planes
    put16(bytes, 4);  // bits per pixel
    put32(bytes, static_cast<std::uint32_t>(bodies[i].size()));
    put32(bytes, offset);
    offset += static_cast<std::uint32_t>(bodies[i].size());
  }
  for (const std::string& body : bodies) bytes += body;
  return bytes;
}

}  // namespace art
