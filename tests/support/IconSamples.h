#pragma once
// Icon images and icon files for tests, made here independently of the engine: bitmaps
// of every colour depth an icon has and real PNG pictures (uncompressed deflate), which
// Windows can draw.
#include <cstdint>
#include <string>
#include <vector>

// A bitmap icon image, side x side pixels at bits per pixel (1, 4, 8, 24 or 32).
std::string BitmapIconImage(uint32_t side, uint32_t bits);
// A PNG icon image, side x side pixels of 32-bit RGBA.
std::string PngIconImage(uint32_t side);
// The icon file of images laid out the usual way: directory, then the images in order.
std::string IconFileOf(const std::vector<std::string>& images);
// The icon file of one image of each kind: 16 px 1 bit, 16 px 4 bits, 32 px 8 bits, 48 px
// 24 bits, 32 px 32 bits and 256 px PNG.
std::string SixImageIconFile();
