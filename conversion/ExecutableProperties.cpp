#include "conversion/ExecutableProperties.h"

#include "common/Exception.h"
#include "common/Format.h"
#include "common/Texts.h"
#include "engine/ExecutableReading.h"
#include "engine/ImagePropertiesReading.h"
#include "engine/PeImage.h"
#include "platform/File.h"
#include "platform/ShiftJisPath.h"

namespace {
// More than any icon file holds: 256 images of 256 x 256 pixels at 32 bits.
constexpr uint64_t kLargestIconFile = 80 * 1024 * 1024;

const char* IconFaultText(IconFileFault fault) {
  switch (fault) {
    case IconFileFault::TooShort:
      return Texts::kIconTooShort;
    case IconFileFault::RenamedPng:
      return Texts::kIconRenamedPng;
    case IconFileFault::RenamedBitmap:
      return Texts::kIconRenamedBitmap;
    case IconFileFault::NoImages:
      return Texts::kIconNoImages;
    case IconFileFault::ImageOutsideFile:
      return Texts::kIconImageOutsideFile;
    case IconFileFault::ImageUnreadable:
      return Texts::kIconImageUnreadable;
    case IconFileFault::NotAnIcon:
    case IconFileFault::None:
      break;
  }
  return Texts::kIconNotAnIcon;
}

const char* VersionFaultText(VersionTextFault fault) {
  switch (fault) {
    case VersionTextFault::TooManyParts:
      return Texts::kFileVersionTooManyParts;
    case VersionTextFault::PartTooLarge:
      return Texts::kFileVersionPartTooLarge;
    case VersionTextFault::Malformed:
    case VersionTextFault::None:
      break;
  }
  return Texts::kFileVersionMalformed;
}

void PutText(const std::optional<std::string>& given, std::string& text) {
  if (given) text = *given;
}
}  // namespace

IconGroup ReadIcon(const std::string& path) {
  platform::File file;
  uint64_t size = 0;
  if (!platform::FileExists(path) || !file.OpenRead(path, platform::Share::Read) || !file.Size(size))
    throw EFOpenError(FormatText(Texts::kFileOpenError, path), ErrorReason::Unspecified, path);
  IconFileFault fault = IconFileFault::NotAnIcon;
  IconGroup icon;
  if (size <= kLargestIconFile) {
    std::string bytes(static_cast<size_t>(size), '\0');
    size_t read = 0;
    if (!file.Read(&bytes[0], bytes.size(), read) || read != bytes.size())
      throw EFOpenError(FormatText(Texts::kFileOpenError, path), ErrorReason::Unspecified, path);
    fault = ReadIconFile(bytes, icon);
  }
  if (fault != IconFileFault::None)
    throw Exception(FormatText(Texts::kIconNotUsable, path.c_str(), IconFaultText(fault)),
                    ErrorReason::Unspecified, path);
  return icon;
}

FileVersionNumbers ReadFileVersion(const std::string& text) {
  FileVersionNumbers version{};
  const VersionTextFault fault = ParseFileVersion(text, version);
  if (fault != VersionTextFault::None)
    throw Exception(FormatText(Texts::kFileVersionNotUsable, text.c_str(), VersionFaultText(fault)),
                    ErrorReason::Unspecified, text);
  return version;
}

bool OwnProperties(const std::string& path, ImageProperties& properties) {
  if (!platform::FileExists(path)) return false;
  // What it carries must not be lost because another program held it for a moment.
  for (int attempt = 1;; ++attempt) {
    try {
      FileBytes executable(path, platform::Share::Any);
      PeImageLayout layout;
      return ReadPeImage(executable, layout) &&
             ReadImageProperties(executable, layout.SectionsEnd, properties);
    } catch (const EFOpenError&) {
      if (attempt == kHeldFileAttempts)
        throw EFCreateError(FormatText(Texts::kFileCreateError, path), ErrorReason::Unspecified, path);
    }
    platform::SleepMilliseconds(kHeldFileRetryMilliseconds);
  }
}

bool RuntimeProperties(const ProgramFiles& program, ImageProperties& properties) {
  return ReadRuntimeProperties(program.RuntimeFile(), properties);
}

ImageProperties WithRequest(ImageProperties base, const PropertiesRequest& request,
                            const std::string& executablePath) {
  if (request.Icon) base.Icon = request.Icon;
  VersionInfo& version = base.Version;
  if (request.FileVersion) version.FileVersion = *request.FileVersion;
  PutText(request.ProductVersion, version.ProductVersion);
  PutText(request.Description, version.FileDescription);
  PutText(request.Product, version.ProductName);
  PutText(request.Company, version.CompanyName);
  PutText(request.Copyright, version.LegalCopyright);
  version.OriginalFilename = version.InternalName = NamePart(executablePath);
  return base;
}
