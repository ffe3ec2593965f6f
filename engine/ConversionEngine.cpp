#include "engine/ConversionEngine.h"

#include <limits>
#include <new>
#include <utility>
#include <vector>

#include "common/Exception.h"
#include "common/Format.h"
#include "common/Texts.h"
#include "engine/ConversionErrors.h"
#include "engine/ExecutableAssembly.h"
#include "engine/HeaderLine.h"
#include "engine/ShiftJisPath.h"
#include "engine/WorkFiles.h"
#include "platform/File.h"

namespace {
constexpr int kMinimumLineCount = 6;

// All bytes of the file, read with one read while nobody may write to it. A file that
// could not go into an executable, or that does not fit into memory, is too large.
std::vector<char> ReadWholeFile(const std::string& path) {
  platform::File file;
  uint64_t size = 0;
  if (!file.OpenRead(path, platform::Share::Read) || !file.Size(size))
    throw EFOpenError(FormatText(Texts::kFileOpenError, path));
  if (size > kLargestExecutableSize || size > std::numeric_limits<size_t>::max() / 2)
    throw EFOpenError(FormatText(Texts::kSettingsFileTooLarge, path));
  std::vector<char> data;
  try {
    data.resize(static_cast<size_t>(size));
  } catch (const std::bad_alloc&) {
    throw EFOpenError(FormatText(Texts::kSettingsFileTooLarge, path));
  }
  size_t transferred = 0;
  // A file that shrank while being read is treated like one that cannot be opened.
  if (!file.Read(data.data(), data.size(), transferred) || transferred != data.size())
    throw EFOpenError(FormatText(Texts::kFileOpenError, path));
  return data;
}

void SaveText(const std::string& path, const std::string& text) {
  platform::File file;
  if (!file.Create(path, platform::Share::None))
    throw EFCreateError(FormatText(Texts::kFileCreateError, path));
  size_t transferred = 0;
  if (!file.Write(text.data(), text.size(), transferred) || transferred != text.size() || !file.Close())
    throw EWriteError(Texts::kStreamWriteError, path, file.Error());
}
}  // namespace

ConversionEngine::ConversionEngine(IWarningSink& warnings) : warnings_(warnings) {}

void ConversionEngine::SetProgram(const std::string& folder, const std::string& fileName) {
  programFolder_ = folder;
  programPath_ = folder + fileName;
}

bool ConversionEngine::LoadSettingsFile(const std::string& settingsPath) {
  lines_.Clear();
  linesAccepted_ = false;
  lineCutAtNul_ = 0;
  if (!platform::FileExists(settingsPath)) {
    warnings_.ShowWarning(Texts::kSettingsFileMissing);
    return false;
  }
  std::vector<char> data = ReadWholeFile(settingsPath);
  lineCutAtNul_ = lines_.AddText(data.data(), data.size());
  settingsPath_ = settingsPath;
  sourceFolder_ = FolderPart(settingsPath);
  return true;
}

bool ConversionEngine::LoadSettingsBytes(const std::string& bytes, const std::string& folder) {
  lines_.Clear();
  lineCutAtNul_ = lines_.AddText(bytes.data(), bytes.size());
  settingsPath_.clear();
  sourceFolder_ = folder;
  linesAccepted_ = LinesAreSettings();
  return linesAccepted_;
}

bool ConversionEngine::ValidateSettingsFile(const std::string& settingsPath) {
  try {
    linesAccepted_ = LinesAreSettings() && platform::FileExists(settingsPath);
  } catch (const std::exception&) {
    linesAccepted_ = false;
  }
  return linesAccepted_;
}

bool ConversionEngine::LinesAreSettings() const {
  return lines_.Count() >= kMinimumLineCount && HasHeaderMarker(lines_.Get(0));
}

void ConversionEngine::WriteOptionsIntoHeader(const HeaderOptions& options) {
  std::string header = RewriteHeader(lines_.Get(0), options);
  lines_.Insert(0, std::move(header));
  lines_.Delete(1);
}

void ConversionEngine::RewriteHeaderLine(const HeaderOptions& options) {
  WriteOptionsIntoHeader(options);
  SaveText(workFolder_ + kAttachmentName, lines_.Text());
}

void ConversionEngine::RefuseProtectedOutput(const std::string& outputPath) const {
  std::vector<std::pair<std::string, ProtectedFile>> keptFiles = {
      {settingsPath_, ProtectedFile::SettingsFile},
      {programFolder_ + kRuntimeFileName, ProtectedFile::RuntimeFile},
      {programPath_, ProtectedFile::Program}};
  for (const char* program : kProgramFileNames)
    keptFiles.emplace_back(programFolder_ + program, ProtectedFile::Program);
  for (const auto& [kept, kind] : keptFiles)
    if (!kept.empty() && platform::SameFile(outputPath, kept))
      throw EProtectedOutput(FormatText(Texts::kFileCreateError, outputPath), outputPath, kind);
}
