#include "engine/ExecutableAssembly.h"

#include <algorithm>

#include "common/Exception.h"
#include "common/Format.h"
#include "common/Texts.h"
#include "engine/PeImage.h"
#include "engine/RuntimeFile.h"

namespace {
[[noreturn]] void ThrowRuntimeDamaged(const std::string& runtimeFile) {
  throw Exception(FormatText(Texts::kRuntimeDamaged, runtimeFile), ErrorReason::RuntimeDamaged, runtimeFile);
}

// The words for a runtime that the editor could not give properties.
[[noreturn]] void ThrowRefusedEdit(ImageEditOutcome outcome, const std::string& runtimeFile,
                                   const GuardedOutput& output) {
  const char* text = nullptr;
  switch (outcome) {
    case ImageEditOutcome::HasSymbolTable:
      text = Texts::kRuntimeHasSymbols;
      break;
    case ImageEditOutcome::NoRoomForSectionHeader:
      text = Texts::kRuntimeHeadersFull;
      break;
    case ImageEditOutcome::DamagedResources:
      text = Texts::kRuntimeResourcesDamaged;
      break;
    case ImageEditOutcome::NoIconIdsLeft:
      text = Texts::kRuntimeIconNumbersUsed;
      break;
    case ImageEditOutcome::TooLarge:
      throw EFCreateError(FormatText(Texts::kExecutableTooLarge, output.TargetPath()),
                          ErrorReason::Unspecified, output.TargetPath());
    case ImageEditOutcome::NotAProgram:
    case ImageEditOutcome::Edited:
      ThrowRuntimeDamaged(runtimeFile);
  }
  throw Exception(FormatText(text, runtimeFile), ErrorReason::Unspecified, runtimeFile);
}

// The runtime as it is: checked against its size once that is known.
bool CopyRuntime(const std::string& runtimeFile, GuardedOutput& output) {
  std::string head;
  uint64_t imageSize = 0;
  const bool found = DecipherRuntime(runtimeFile, [&](const uint8_t* bytes, size_t count) {
    const size_t kept = std::min(count, kProgramHeadersLimit - head.size());
    head.append(reinterpret_cast<const char*>(bytes), kept);
    imageSize += count;
    output.Append(bytes, count);
  });
  PeImageLayout layout;
  if (found && !ReadPeImage(head, imageSize, layout)) ThrowRuntimeDamaged(runtimeFile);
  return found;
}
}  // namespace

AssemblyResult AssembleExecutable(const std::string& runtimeFile, const std::string& settingsText,
                                  GuardedOutput& output, const ProgressCallback& progress,
                                  const PropertiesChoice& choose) {
  AssemblyResult result;
  if (!choose) {
    result.RuntimeFound = CopyRuntime(runtimeFile, output);
  } else {
    ImagePropertiesEditor editor(choose, output);
    result.RuntimeFound =
        DecipherRuntime(runtimeFile, [&](const uint8_t* bytes, size_t count) { editor.Add(bytes, count); });
    if (result.RuntimeFound) {
      const ImageEditResult edit = editor.Finish();
      if (edit.Outcome != ImageEditOutcome::Edited) ThrowRefusedEdit(edit.Outcome, runtimeFile, output);
      result.SignatureDropped = edit.CertificateDropped;
    }
  }
  if (!result.RuntimeFound) return result;
  if (progress) progress(kProgressImageCopied);
  output.Append(settingsText.data(), settingsText.size());
  if (progress) progress(kProgressDone);
  return result;
}
