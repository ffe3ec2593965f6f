#include "engine/SettingsFile.h"

#include <limits>
#include <new>
#include <vector>

#include "common/Exception.h"
#include "common/Format.h"
#include "common/Texts.h"
#include "engine/ExecutableLimits.h"
#include "engine/HeaderLine.h"
#include "platform/ShiftJisPath.h"
#include "platform/File.h"

namespace {
constexpr uint64_t kMinimumLineCount = 6;

// All bytes of the file, read with one read while nobody may write to it. A file that
// could not go into an executable, or that does not fit into memory, is too large.
std::vector<char> ReadWholeFile(const std::string& path) {
  platform::File file;
  uint64_t size = 0;
  if (!file.OpenRead(path, platform::Share::Read) || !file.Size(size))
    throw EFOpenError(FormatText(Texts::kFileOpenError, path), ErrorReason::Unspecified, path);
  if (size > kLargestExecutableSize || size > std::numeric_limits<size_t>::max() / 2)
    throw EFOpenError(FormatText(Texts::kSettingsFileTooLarge, path), ErrorReason::Unspecified, path);
  std::vector<char> data;
  try {
    data.resize(static_cast<size_t>(size));
  } catch (const std::bad_alloc&) {
    throw EFOpenError(FormatText(Texts::kSettingsFileTooLarge, path), ErrorReason::Unspecified, path);
  }
  size_t transferred = 0;
  // A file that shrank while being read is treated like one that cannot be opened.
  if (!file.Read(data.data(), data.size(), transferred) || transferred != data.size())
    throw EFOpenError(FormatText(Texts::kFileOpenError, path), ErrorReason::Unspecified, path);
  return data;
}
}  // namespace

bool ReadSettingsFile(const std::string& path, SettingsFile& settings) {
  settings.Lines.Clear();
  settings.LineCutAtNul = 0;
  settings.Accepted = false;
  if (!platform::FileExists(path)) return false;
  const std::vector<char> data = ReadWholeFile(path);
  settings.LineCutAtNul = settings.Lines.AddText(data.data(), data.size());
  settings.Path = path;
  settings.Folder = FolderPart(path);
  settings.Accepted = LinesAreSettings(settings.Lines);
  return true;
}

void TakeSettingsBytes(const std::string& bytes, const std::string& folder, SettingsFile& settings) {
  settings.Lines.Clear();
  settings.LineCutAtNul = settings.Lines.AddText(bytes.data(), bytes.size());
  settings.Path.clear();
  settings.Folder = folder;
  settings.Accepted = LinesAreSettings(settings.Lines);
}

bool LinesAreSettings(const LineList& lines) {
  return lines.Count() > 0 && LinesAreSettings(lines.Get(0), static_cast<uint64_t>(lines.Count()));
}

bool LinesAreSettings(const std::string& firstLine, uint64_t lineCount) {
  return lineCount >= kMinimumLineCount && HasHeaderMarker(firstLine);
}
