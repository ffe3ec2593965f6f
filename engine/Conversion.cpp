// The conversion proper: deciphering the runtime image and assembling the generated
// executable from it and the attachment file, through the work folder or straight into
// the executable.
#include <algorithm>
#include <cstdint>
#include <string>

#include "common/Format.h"
#include "common/Texts.h"
#include "engine/ConversionEngine.h"
#include "engine/ConversionErrors.h"
#include "engine/ExecutableAssembly.h"
#include "engine/PeImage.h"
#include "engine/PendingFile.h"
#include "engine/WorkFiles.h"
#include "platform/File.h"

namespace {
constexpr int kProgressRewritten = 33;

// True when the file at path is a program image whose sections all lie inside it. Only
// its first bytes are read.
bool IsProgramImage(const std::string& path) {
  platform::File file;
  uint64_t size = 0;
  if (!file.OpenRead(path, platform::Share::Read) || !file.Size(size))
    throw EFOpenError(FormatText(Texts::kFileOpenError, path));
  std::string head(static_cast<size_t>(std::min<uint64_t>(size, kProgramHeadersLimit)), '\0');
  size_t transferred = 0;
  if (!file.Read(&head[0], head.size(), transferred) || transferred != head.size())
    throw EReadError(Texts::kStreamReadError);
  PeImageLayout layout;
  return ReadPeImage(head, size, layout);
}

// Clears the cipher's key when it goes out of scope, so that no key schedule stays in
// the component after the runtime image has been deciphered or has failed to be.
class KeyClearer {
 public:
  explicit KeyClearer(Blowfish& cipher) : cipher_(cipher) {}
  ~KeyClearer() { cipher_.ClearKey(); }
  KeyClearer(const KeyClearer&) = delete;
  KeyClearer& operator=(const KeyClearer&) = delete;

 private:
  Blowfish& cipher_;
};
}  // namespace

bool ConversionEngine::PrepareRuntimeImage() {
  runtimeCipher_.SetIV(kRuntimeIVPhrase);
  KeyClearer keyClearer(runtimeCipher_);
  runtimeCipher_.SetKey(kRuntimeKeyPhrase);
  const std::string runtimeFile = programFolder_ + kRuntimeFileName;
  if (!platform::FileExists(runtimeFile)) return false;
  runtimeCipher_.DecipherFile(runtimeFile, workFolder_ + kRuntimeImageName);
  return true;
}

bool ConversionEngine::AssembleExecutable(const std::string& outputPath, const ProgressCallback& progress) {
  if (!PrepareRuntimeImage()) return false;
  const std::string attachment = workFolder_ + kAttachmentName;
  if (!platform::FileExists(attachment)) return false;
  RefuseProtectedOutput(outputPath);
  // A runtime that deciphers into no program would make an executable that Windows
  // refuses to start, and replace a good one with it.
  const std::string runtimeImage = workFolder_ + kRuntimeImageName;
  if (!IsProgramImage(runtimeImage)) ThrowRuntimeDamaged();
  WriteExecutable(outputPath, runtimeImage, attachment, progress);
  return true;
}

void ConversionEngine::ThrowRuntimeDamaged() const {
  const std::string runtimeFile = programFolder_ + kRuntimeFileName;
  throw ERuntimeDamaged(FormatText(Texts::kRuntimeDamaged, runtimeFile), runtimeFile);
}

DirectConversion ConversionEngine::ConvertDirectly(const HeaderOptions& options,
                                                   const std::string& outputPath,
                                                   const ProgressCallback& progress, bool keepSame) {
  WriteOptionsIntoHeader(options);
  if (progress) progress(kProgressRewritten);
  const std::string runtimeFile = programFolder_ + kRuntimeFileName;
  if (!platform::FileExists(runtimeFile)) return DirectConversion::RuntimeMissing;
  RefuseProtectedOutput(outputPath);
  PendingFile executable(outputPath, kLargestExecutableSize);
  std::string head;
  {
    runtimeCipher_.SetIV(kRuntimeIVPhrase);
    KeyClearer keyClearer(runtimeCipher_);
    runtimeCipher_.SetKey(kRuntimeKeyPhrase);
    runtimeCipher_.DecipherFileInto(runtimeFile, [&](const uint8_t* bytes, size_t count) {
      const size_t kept = std::min(count, kProgramHeadersLimit - head.size());
      head.append(reinterpret_cast<const char*>(bytes), kept);
      executable.Append(bytes, count);
      return true;
    });
  }
  // A runtime that deciphers into no program would make an executable that Windows
  // refuses to start, and replace a good one with it.
  PeImageLayout layout;
  if (!ReadPeImage(head, executable.Size(), layout)) ThrowRuntimeDamaged();
  if (progress) progress(kProgressImageCopied);
  const std::string text = lines_.Text();
  executable.Append(text.data(), text.size());
  if (progress) progress(kProgressDone);
  if (keepSame && executable.SameAsTarget()) return DirectConversion::Unchanged;
  executable.Commit();
  return DirectConversion::Made;
}

bool ConversionEngine::Convert(const HeaderOptions& options, const std::string& outputPath,
                               const ProgressCallback& progress) {
  RewriteHeaderLine(options);
  if (progress) progress(kProgressRewritten);
  return AssembleExecutable(outputPath, progress);
}

void ConversionEngine::DeleteIntermediateFiles() const {
  if (workFolder_.empty()) return;  // no work folder: nothing was written
  platform::RemoveFile(workFolder_ + kRuntimeImageName);
  platform::RemoveFile(workFolder_ + kAttachmentName);
}
