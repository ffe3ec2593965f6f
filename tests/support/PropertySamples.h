#pragma once
// Icon images and files made independently of the engine (bitmaps of every depth an icon
// has, PNG pictures Windows can draw), and the image editor run in memory.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/ImagePropertiesEditor.h"

// A bitmap of side x side pixels at bits (1, 4, 8, 24 or 32) per pixel.
std::string BitmapIconImage(uint32_t side, uint32_t bits);
// A PNG of side x side pixels of 32-bit RGBA.
std::string PngIconImage(uint32_t side);
// The icon file of images laid out the usual way: directory, then the images in order.
std::string IconFileOf(const std::vector<std::string>& images);
// Six images: 16 px 1 bit, 16 px 4 bits, 32 px 8 bits, 48 px 24 bits, 32 px 32 bits, 256 px PNG.
std::string SixImageIconFile();
// The edited bytes of image handed to the editor in pieces of chunk bytes. The headers must
// be written where the editor reserved room first.
std::string EditInMemory(const std::string& image, const ImageProperties& properties, ImageEditResult& result,
                         size_t chunk = 4096);
