#pragma once
// Gives a program image its own icon and version information while it streams past, a
// piece at a time, so that an image of any size costs only its headers and its resource
// section in memory. The image keeps every byte but the header fields that describe its
// resources; its resource section stays where it is, unused, and a new one (the old
// resources with the properties put in, see PutProperties) follows the last section,
// named kPropertiesSectionName.
// The header fields changed: NumberOfSections, SizeOfInitializedData, SizeOfImage, the
// resource directory, the certificate directory (cleared: no signature survives an
// edit, so a certificate table is dropped), the checksum, and one new section header.
// The same image and properties give the same bytes.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "engine/PeHeaders.h"
#include "engine/PropertyResources.h"

// Where the edited image goes. The headers come last: Reserve passes over their place
// first and WriteAt fills it at the end.
class IImageOutput {
 public:
  virtual ~IImageOutput() = default;
  // Adds count bytes after what was appended or reserved so far.
  virtual void Append(const void* bytes, size_t count) = 0;
  // Passes over count bytes that a later WriteAt fills.
  virtual void Reserve(size_t count) = 0;
  // Fills count reserved bytes at offset.
  virtual void WriteAt(uint64_t offset, const void* bytes, size_t count) = 0;
};

enum class ImageEditOutcome {
  Edited,
  NotAProgram,             // no program image, one cut short, or headers out of the usual order
  HasSymbolTable,          // COFF symbols lie after the sections, where the new section goes
  NoRoomForSectionHeader,  // the headers have no room for one more section header
  DamagedResources,        // the program's resource section cannot be read
  NoIconIdsLeft,           // the icon images would need numbers over 65535
  TooLarge,                // the edited image would pass what its 32-bit fields can tell
};

struct ImageEditResult {
  ImageEditOutcome Outcome = ImageEditOutcome::Edited;
  bool CertificateDropped = false;  // the program was signed; its signature is gone
  uint64_t ImageSize = 0;           // the bytes of the edited image, when edited
};

// The properties the image gets, chosen once its own are known: those its resources hold,
// or nullptr when it has none.
using PropertiesChoice = std::function<ImageProperties(const ImageProperties* imageOwn)>;

class ImagePropertiesEditor {
 public:
  ImagePropertiesEditor(PropertiesChoice choose, IImageOutput& output);
  ImagePropertiesEditor(ImageProperties properties, IImageOutput& output);
  // Takes the next count bytes of the image (fits a RuntimeChunkSink).
  void Add(const uint8_t* bytes, size_t count);
  // Ends the image: writes the new section and then the headers. When the outcome is
  // not Edited, what was written to the output is no image and must be discarded;
  // nothing more is written once the edit is refused.
  ImageEditResult Finish();

 private:
  bool Start();
  bool Complete();
  bool Refuse(ImageEditOutcome outcome);
  // Hands on the bytes of the image at the current position after the headers.
  void Pass(const uint8_t* bytes, size_t count);
  bool HasRoomForSectionHeader() const;
  void WriteHeaders(const PeSection& section, uint64_t imageSize);

  PropertiesChoice choose_;
  IImageOutput& output_;
  ImageEditResult result_;
  bool started_ = false;
  std::string headerBytes_;  // the first bytes, then the headers only
  PeHeaders headers_;
  ResourcePlace resourcePlace_;
  std::string resources_;          // the program's resource section, as it passed
  uint64_t position_ = 0;          // of the next byte in the image
  uint64_t keptEnd_ = UINT64_MAX;  // from here on the bytes are dropped (a certificate table)
  uint64_t checksumSum_ = 0;       // of the bytes handed on, as 16-bit words
};
