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
class TKeyClearer {
 public:
  explicit TKeyClearer(TBlowfish& cipher) : FCipher(cipher) {}
  ~TKeyClearer() { FCipher.ClearKey(); }
  TKeyClearer(const TKeyClearer&) = delete;
  TKeyClearer& operator=(const TKeyClearer&) = delete;

 private:
  TBlowfish& FCipher;
};
}  // namespace

bool TConversionEngine::PrepareRuntimeImage() {
  FBlowfish1.SetIV(kRuntimeIVPhrase);
  TKeyClearer keyClearer(FBlowfish1);
  FBlowfish1.SetKey(kRuntimeKeyPhrase);
  const std::string runtimeFile = FProgramFolder + kRuntimeFileName;
  if (!platform::FileExists(runtimeFile)) return false;
  FBlowfish1.DecryptFile(runtimeFile, FWorkFolder + kRuntimeImageName);
  return true;
}

bool TConversionEngine::AssembleExecutable(const std::string& exeName,
                                           const TProgress& progress) {
  if (!PrepareRuntimeImage()) return false;
  const std::string attachment = FWorkFolder + kAttachmentName;
  if (!platform::FileExists(attachment)) return false;
  const std::string outputPath = FSourceFolder + exeName;
  RefuseProtectedOutput(outputPath);
  WriteExecutable(outputPath, FWorkFolder + kRuntimeImageName, attachment, progress);
  return true;
}

bool TConversionEngine::Convert(const THeaderOptions& options, const std::string& exeName,
                                const TProgress& progress) {
  RewriteHeaderLine(options);
  if (progress) progress(kProgressRewritten);
  return AssembleExecutable(exeName, progress);
}
