#include "engine/ConversionEngine.h"

#include <limits>
#include <new>
#include <vector>

#include "common/Exception.h"
#include "common/Format.h"
#include "common/Texts.h"
#include "engine/HeaderLine.h"
#include "engine/ShiftJisPath.h"
#include "engine/WorkFiles.h"
#include "platform/File.h"

namespace {
constexpr int kMinimumLineCount = 6;

// All bytes of the file, read with one read while nobody may write to it.
std::vector<char> ReadWholeFile(const std::string& path) {
  platform::File file;
  uint64_t size = 0;
  if (!file.OpenRead(path, platform::Share::Read) || !file.Size(size) ||
      size > std::numeric_limits<size_t>::max() / 2)
    throw EFOpenError(FormatText(Texts::FileOpenError, path));
  std::vector<char> data;
  try {
    data.resize(static_cast<size_t>(size));
  } catch (const std::bad_alloc&) {
    throw EFOpenError(FormatText(Texts::FileOpenError, path));
  }
  size_t transferred = 0;
  // A file that shrank while being read is treated like one that cannot be opened.
  if (!file.Read(data.data(), data.size(), transferred) || transferred != data.size())
    throw EFOpenError(FormatText(Texts::FileOpenError, path));
  return data;
}

void SaveText(const std::string& path, const std::string& text) {
  platform::File file;
  if (!file.Create(path, platform::Share::None))
    throw EFCreateError(FormatText(Texts::FileCreateError, path));
  size_t transferred = 0;
  if (!file.Write(text.data(), text.size(), transferred) || transferred != text.size() ||
      !file.Close())
    throw EWriteError(Texts::StreamWriteError);
}
}  // namespace

TConversionEngine::TConversionEngine(IWarningSink& warnings) : FWarnings(warnings) {}

void TConversionEngine::SetProgram(const std::string& folder, const std::string& fileName) {
  FProgramFolder = folder;
  FProgramPath = folder + fileName;
}

bool TConversionEngine::LoadSettingsFile(const std::string& settingsPath) {
  FLines.Clear();
  FLinesAccepted = false;
  if (!platform::FileExists(settingsPath)) {
    FWarnings.ShowWarning(Texts::SettingsFileMissing);
    return false;
  }
  std::vector<char> data = ReadWholeFile(settingsPath);
  FLines.AddText(data.data(), data.size());
  FSettingsPath = settingsPath;
  FSourceFolder = FolderPart(settingsPath);
  return true;
}

bool TConversionEngine::ValidateSettingsFile(const std::string& settingsPath) {
  try {
    FLinesAccepted = FLines.Count() >= kMinimumLineCount && HasHeaderMarker(FLines.Get(0)) &&
                     platform::FileExists(settingsPath);
  } catch (const std::exception&) {
    FLinesAccepted = false;
  }
  return FLinesAccepted;
}

void TConversionEngine::RewriteHeaderLine(const THeaderOptions& options) {
  std::string header = RewriteHeader(FLines.Get(0), options);
  FLines.Insert(0, std::move(header));
  FLines.Delete(1);
  SaveText(FWorkFolder + kAttachmentName, FLines.Text());
}

void TConversionEngine::RefuseProtectedOutput(const std::string& outputPath) const {
  for (const std::string& kept : {FSettingsPath, FProgramFolder + kRuntimeFileName, FProgramPath})
    if (!kept.empty() && platform::SameFile(outputPath, kept))
      throw EFCreateError(FormatText(Texts::FileCreateError, outputPath));
}
