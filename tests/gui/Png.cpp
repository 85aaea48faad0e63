#include "tests/gui/Png.h"

namespace {

std::uint32_t crc32(const std::string& bytes) {
  static std::uint32_t table[256];
  if (table[1] == 0) {
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      table[n] = c;
    }
  }
  std::uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char byte : bytes) crc = table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

std::uint32_t adler32(const std::string& bytes) {
  std::uint32_t a = 1, b = 0;
  for (unsigned char byte : bytes) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  return (b << 16) | a;
}

void putBigEndian(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

void putChunk(std::string& out, const char* type, const std::string& data) {
  putBigEndian(out, static_cast<std::uint32_t>(data.size()));
  std::string typed = std::string(type, 4) + data;
  out += typed;
  putBigEndian(out, crc32(typed));
}

// A zlib stream of stored deflate blocks of at most 65535 bytes each.
std::string storedZlib(const std::string& raw) {
  std::string out("\x78\x01", 2);
  std::size_t offset = 0;
  do {
    std::size_t length = raw.size() - offset < 65535 ? raw.size() - offset : 65535;
    bool last = offset + length == raw.size();
    out += static_cast<char>(last ? 1 : 0);
    out += static_cast<char>(length & 0xFF);
    out += static_cast<char>(length >> 8);
    out += static_cast<char>(~length & 0xFF);
    out += static_cast<char>((~length >> 8) & 0xFF);
    out.append(raw, offset, length);
    offset += length;
  } while (offset < raw.size());
  putBigEndian(out, adler32(raw));
  return out;
}

}  // namespace

std::string encodePng(std::uint32_t width, std::uint32_t height, const std::vector<std::uint8_t>& rgb) {
  std::string header;
  putBigEndian(header, width);
  putBigEndian(header, height);
  header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, no filter, no interlace

  // Each row starts with its filter type, 0 (none).
  std::string raw;
  for (std::uint32_t y = 0; y < height; ++y) {
    raw += '\0';
    raw.append(reinterpret_cast<const char*>(rgb.data()) + std::size_t(y) * width * 3, std::size_t(width) * 3);
  }

  std::string png("\x89PNG\r\n\x1A\n", 8);
  putChunk(png, "IHDR", header);
  putChunk(png, "IDAT", storedZlib(raw));
  putChunk(png, "IEND", "");
  return png;
}
