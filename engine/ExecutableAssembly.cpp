#include "engine/ExecutableAssembly.h"

#include <algorithm>

#include "common/Exception.h"
#include "common/Format.h"
#include "common/Texts.h"
#include "engine/PeImage.h"
#include "engine/RuntimeFile.h"

bool AssembleExecutable(const std::string& runtimeFile, const std::string& settingsText,
                        GuardedOutput& output, const ProgressCallback& progress) {
  // The headers, checked against the image's size once it is known.
  std::string head;
  uint64_t imageSize = 0;
  const bool found = DecipherRuntime(runtimeFile, [&](const uint8_t* bytes, size_t count) {
    const size_t kept = std::min(count, kProgramHeadersLimit - head.size());
    head.append(reinterpret_cast<const char*>(bytes), kept);
    imageSize += count;
    output.Append(bytes, count);
  });
  if (!found) return false;
  PeImageLayout layout;
  if (!ReadPeImage(head, imageSize, layout))
    throw Exception(FormatText(Texts::kRuntimeDamaged, runtimeFile), ErrorReason::RuntimeDamaged,
                    runtimeFile);
  if (progress) progress(kProgressImageCopied);
  output.Append(settingsText.data(), settingsText.size());
  if (progress) progress(kProgressDone);
  return true;
}
