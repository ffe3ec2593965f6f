// Reads arbitrary bytes as a program image, whole and as the head of a longer file,
// checking what must hold for every input: nothing is read outside the bytes given
// (the sanitizers watch), an accepted layout lies inside the file, and the bytes after
// the headers do not change the verdict on a head that holds them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/PeImage.h"

namespace {
void Check(bool condition) {
  if (!condition) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  PeImageLayout whole;
  const bool accepted = ReadPeImage(bytes, size, whole);
  if (accepted) {
    Check(whole.SectionsEnd <= size && whole.ImageEnd <= size);
    Check(whole.ImageEnd >= whole.SectionsEnd);
  }
  // The same bytes as the head of a file that goes on: a layout accepted for the whole
  // stays accepted and the same, and one that was refused only for its sections'
  // length may now be accepted.
  PeImageLayout longer;
  const uint64_t fileSize = uint64_t{size} + (size > 0 ? data[0] : 0) * 4096u;
  const bool acceptedLonger = ReadPeImage(bytes, fileSize, longer);
  if (accepted) {
    Check(acceptedLonger);
    Check(longer.SectionsEnd == whole.SectionsEnd && longer.SectionCount == whole.SectionCount);
  }
  if (acceptedLonger) Check(longer.SectionsEnd <= fileSize);
  return 0;
}
