#include "console/ConsoleMessages.h"

#include <algorithm>

#include "common/Exception.h"
#include "common/Format.h"
#include "common/Texts.h"
#include "platform/ShiftJisPath.h"

namespace {
// The console's own text for an error of this reason about path, or nullptr where the
// message itself says it.
const char* ReasonText(ErrorReason reason) {
  switch (reason) {
    case ErrorReason::OutputIsSettingsFile:
      return Texts::Console::kOutputIsSettingsFile;
    case ErrorReason::OutputIsRuntimeFile:
      return Texts::Console::kOutputIsRuntimeFile;
    case ErrorReason::OutputIsProgram:
      return Texts::Console::kOutputIsProgram;
    case ErrorReason::OutputIsExecutableRead:
      return Texts::Console::kOutputIsExecutableRead;
    case ErrorReason::DiskFull:
      return Texts::Console::kDiskFull;
    case ErrorReason::NotWritten:
      return Texts::Console::kNotWritten;
    case ErrorReason::RuntimeDamaged:
      return Texts::kRuntimeDamaged;
    case ErrorReason::Interrupted:
    case ErrorReason::Unspecified:
      break;
  }
  return nullptr;
}
}  // namespace

std::string ConsoleErrorText(const std::exception& error, const std::string& file) {
  const auto* known = dynamic_cast<const Exception*>(&error);
  if (known && known->Reason() == ErrorReason::Interrupted) return known->Message();
  if (!known || known->Path().empty())
    return FormatText(Texts::Console::kAboutFile, file.c_str(), error.what());
  const char* text = ReasonText(known->Reason());
  return text ? FormatText(text, known->Path()) : known->Message();
}

std::string ConsoleSentence(const std::string& text) {
  std::string line = text;
  const auto lineBreak = [](char byte) { return byte == '\r' || byte == '\n'; };
  line.erase(std::remove_if(line.begin(), line.end(), lineBreak), line.end());
  // The last character, stepping over double-byte characters from the start.
  size_t last = 0;
  for (size_t i = 0; i < line.size(); i += IsLeadByte(static_cast<unsigned char>(line[i])) ? 2 : 1) last = i;
  if (line.compare(last, std::string::npos, Texts::Console::kFullStop) != 0)
    line += Texts::Console::kFullStop;
  return line;
}
