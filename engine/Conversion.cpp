// The conversion proper: deciphering the runtime image and assembling the generated
// executable from it and the attachment file.
#include "engine/ConversionEngine.h"
#include "engine/ExecutableAssembly.h"
#include "engine/WorkFiles.h"
#include "platform/File.h"

namespace {
constexpr int kProgressRewritten = 33;

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

bool ConversionEngine::AssembleExecutable(const std::string& outputPath,
                                           const ProgressCallback& progress) {
  if (!PrepareRuntimeImage()) return false;
  const std::string attachment = workFolder_ + kAttachmentName;
  if (!platform::FileExists(attachment)) return false;
  RefuseProtectedOutput(outputPath);
  WriteExecutable(outputPath, workFolder_ + kRuntimeImageName, attachment, progress);
  return true;
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
