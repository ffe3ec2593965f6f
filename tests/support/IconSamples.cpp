#include "tests/support/IconSamples.h"

namespace {
std::string Le(uint32_t value, int size) {
  std::string bytes;
  for (int i = 0; i < size; ++i) bytes += static_cast<char>(value >> (8 * i));
  return bytes;
}

std::string Be32(uint32_t value) {
  return {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
}

uint32_t Crc32(const std::string& bytes) {
  uint32_t crc = ~0u;
  for (unsigned char byte : bytes) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit) crc = crc & 1 ? 0xEDB88320 ^ (crc >> 1) : crc >> 1;
  }
  return ~crc;
}

std::string PngChunk(const std::string& type, const std::string& data) {
  return Be32(static_cast<uint32_t>(data.size())) + type + data + Be32(Crc32(type + data));
}

// raw as a zlib stream of stored deflate blocks.
std::string Zlib(const std::string& raw) {
  std::string stream = "\x78\x01";
  for (size_t at = 0;;) {
    const size_t count = std::min<size_t>(raw.size() - at, 0xFFFF);
    const bool last = at + count == raw.size();
    stream += (last ? '\1' : '\0') + Le(static_cast<uint32_t>(count), 2) + Le(~count & 0xFFFF, 2);
    stream += raw.substr(at, count);
    at += count;
    if (last) break;
  }
  uint32_t a = 1, b = 0;
  for (unsigned char byte : raw) a = (a + byte) % 65521, b = (b + a) % 65521;
  return stream + Be32(b << 16 | a);
}

// Pixel bytes that differ from image to image.
std::string Pattern(size_t count, uint32_t seed) {
  std::string bytes(count, '\0');
  for (size_t i = 0; i < count; ++i) bytes[i] = static_cast<char>((i * 7 + seed * 13) >> 2);
  return bytes;
}
}  // namespace

std::string BitmapIconImage(uint32_t side, uint32_t bits) {
  const uint32_t colours = bits <= 8 ? 1u << bits : 0;
  const size_t pixelRow = (side * bits + 31) / 32 * 4, maskRow = (side + 31) / 32 * 4;
  return Le(40, 4) + Le(side, 4) + Le(2 * side, 4) + Le(1, 2) + Le(bits, 2) + std::string(16, '\0') +
         Le(colours, 4) + Le(0, 4) + Pattern(colours * 4 + side * pixelRow, side + bits) +
         std::string(side * maskRow, '\0');
}

std::string PngIconImage(uint32_t side) {
  std::string rows;
  for (uint32_t y = 0; y < side; ++y) rows += '\0' + Pattern(side * 4, y);
  const std::string header = Be32(side) + Be32(side) + "\x08\x06" + std::string(3, '\0');
  return "\x89PNG\r\n\x1A\n" + PngChunk("IHDR", header) + PngChunk("IDAT", Zlib(rows)) + PngChunk("IEND", "");
}

std::string IconFileOf(const std::vector<std::string>& images) {
  std::string directory = Le(0, 2) + Le(1, 2) + Le(static_cast<uint32_t>(images.size()), 2), data;
  for (const std::string& image : images) {
    const bool png = image[0] == '\x89';
    const uint32_t side =
        png ? static_cast<unsigned char>(image[19]) | static_cast<unsigned char>(image[18]) << 8
            : static_cast<unsigned char>(image[4]) | static_cast<unsigned char>(image[5]) << 8;
    const uint32_t bits = png ? 32 : static_cast<unsigned char>(image[14]);
    directory += Le(side & 0xFF, 1) + Le(side & 0xFF, 1) + Le(bits < 8 ? 1u << bits : 0, 1) + Le(0, 1) +
                 Le(1, 2) + Le(bits, 2) + Le(static_cast<uint32_t>(image.size()), 4) +
                 Le(static_cast<uint32_t>(6 + 16 * images.size() + data.size()), 4);
    data += image;
  }
  return directory + data;
}

std::string SixImageIconFile() {
  return IconFileOf({BitmapIconImage(16, 1), BitmapIconImage(16, 4), BitmapIconImage(32, 8),
                     BitmapIconImage(48, 24), BitmapIconImage(32, 32), PngIconImage(256)});
}
