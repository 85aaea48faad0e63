// A minimal PNG encoder for screenshots: 8-bit RGB, the image data in
// stored (uncompressed) deflate blocks, so that no zlib is needed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// `rgb` holds width * height pixels of three bytes, row by row from the top.
std::string encodePng(std::uint32_t width, std::uint32_t height, const std::vector<std::uint8_t>& rgb);
