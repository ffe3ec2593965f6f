#include "tests/support/PropertySamples.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/TestFiles.h"

namespace {
std::string Le(uint32_t value, int size) {
  std::string bytes;
  for (int i = 0; i < size; ++i) bytes += static_cast<char>(value >> (8 * i));
  return bytes;
}

std::string Be32(uint32_t value) {
  const std::string bytes = Le(value, 4);
  return {bytes.rbegin(), bytes.rend()};
}

std::string PngChunk(const std::string& type, const std::string& data) {
  uint32_t crc = ~0u;
  for (unsigned char byte : type + data) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit) crc = crc & 1 ? 0xEDB88320 ^ (crc >> 1) : crc >> 1;
  }
  return Be32(static_cast<uint32_t>(data.size())) + type + data + Be32(~crc);
}
}  // namespace

std::string BitmapIconImage(uint32_t side, uint32_t bits) {
  const uint32_t colours = bits <= 8 ? 1u << bits : 0;
  const size_t pixelRow = (side * bits + 31) / 32 * 4, maskRow = (side + 31) / 32 * 4;
  return Le(40, 4) + Le(side, 4) + Le(2 * side, 4) + Le(1, 2) + Le(bits, 2) + std::string(16, '\0') +
         Le(colours, 4) + Le(0, 4) + RandomBytes(colours * 4 + side * pixelRow, side + bits) +
         std::string(side * maskRow, '\0');
}

// The pixel rows go into a zlib stream of stored deflate blocks.
std::string PngIconImage(uint32_t side) {
  std::string rows, stream = "\x78\x01";
  for (uint32_t y = 0; y < side; ++y) rows += '\0' + RandomBytes(side * 4, y);
  for (size_t at = 0; at < rows.size(); at += 0xFFFF) {
    const uint32_t count = static_cast<uint32_t>(std::min<size_t>(rows.size() - at, 0xFFFF));
    stream +=
        (at + count == rows.size() ? '\1' : '\0') + Le(count, 2) + Le(~count, 2) + rows.substr(at, count);
  }
  uint32_t a = 1, b = 0;
  for (unsigned char byte : rows) a = (a + byte) % 65521, b = (b + a) % 65521;
  const std::string header = Be32(side) + Be32(side) + "\x08\x06" + std::string(3, '\0');
  return "\x89PNG\r\n\x1A\n" + PngChunk("IHDR", header) + PngChunk("IDAT", stream + Be32(b << 16 | a)) +
         PngChunk("IEND", "");
}

std::string IconFileOf(const std::vector<std::string>& images) {
  std::string directory = Le(0, 2) + Le(1, 2) + Le(static_cast<uint32_t>(images.size()), 2), data;
  for (const std::string& image : images) {
    const bool png = image[0] == '\x89';
    const uint32_t side = static_cast<unsigned char>(image[png ? 19 : 4]) | image[png ? 18 : 5] << 8;
    const uint32_t bits = png ? 32 : image[14];
    directory += Le(side, 1) + Le(side, 1) + Le(bits < 8 ? 1u << bits : 0, 1) + Le(0, 1) + Le(1, 2) +
                 Le(bits, 2) + Le(static_cast<uint32_t>(image.size()), 4) +
                 Le(static_cast<uint32_t>(6 + 16 * images.size() + data.size()), 4);
    data += image;
  }
  return directory + data;
}

std::string SixImageIconFile() {
  return IconFileOf({BitmapIconImage(16, 1), BitmapIconImage(16, 4), BitmapIconImage(32, 8),
                     BitmapIconImage(48, 24), BitmapIconImage(32, 32), PngIconImage(256)});
}

std::string EditInMemory(const std::string& image, const ImageProperties& properties, ImageEditResult& result,
                         size_t chunk) {
  struct MemoryOutput : IImageOutput {
    void Append(const void* bytes, size_t count) override {
      Bytes.append(static_cast<const char*>(bytes), count);
    }
    void Reserve(size_t count) override { Bytes.append(count, '\0'), Reserved = Bytes.size(); }
    void WriteAt(uint64_t offset, const void* bytes, size_t count) override {
      EXPECT_LE(offset + count, Reserved);
      Bytes.replace(offset, count, static_cast<const char*>(bytes), count);
    }
    std::string Bytes;
    uint64_t Reserved = 0;
  } output;
  ImagePropertiesEditor editor(properties, output);
  for (size_t at = 0; at < image.size(); at += chunk)
    editor.Add(reinterpret_cast<const uint8_t*>(image.data()) + at, std::min(chunk, image.size() - at));
  result = editor.Finish();
  return output.Bytes;
}
