#include "console/ConsoleMessages.h"

#include <algorithm>
#include <cstdint>

#include "cipher/BlowfishErrors.h"
#include "common/Format.h"
#include "common/Texts.h"
#include "engine/ConversionErrors.h"
#include "engine/ShiftJisPath.h"
#include "engine/WorkFiles.h"
#include "platform/File.h"

namespace {
bool IsDiskFull(uint32_t systemError) {
  return systemError == platform::kErrorDiskFull || systemError == platform::kErrorHandleDiskFull;
}

const char* ProtectedOutputText(ProtectedFile kept) {
  switch (kept) {
    case ProtectedFile::SettingsFile:
      return Texts::Console::kOutputIsSettingsFile;
    case ProtectedFile::RuntimeFile:
      return Texts::Console::kOutputIsRuntimeFile;
    case ProtectedFile::Program:
      break;
  }
  return Texts::Console::kOutputIsProgram;
}

// The cipher's English messages about the runtime file it deciphers, in Japanese. The
// console program deciphers straight into the executable, whose errors are its own.
std::string CipherFileErrorText(const EFileError& error, const std::string& programFolder) {
  const std::string runtimeFile = programFolder + kRuntimeFileName;
  if (error.Message() == Texts::kBlowfishInputFileNotFound)
    return FormatText(Texts::Console::kRuntimeMissing, runtimeFile);
  // No enciphered file: not whole blocks, or padding longer than its last chunk.
  return FormatText(Texts::kRuntimeDamaged, runtimeFile);
}

std::string WriteErrorText(uint32_t systemError, const std::string& path, const std::string& message) {
  if (path.empty()) return message;
  return FormatText(IsDiskFull(systemError) ? Texts::Console::kDiskFull : Texts::Console::kNotWritten, path);
}
}  // namespace

std::string ConsoleErrorText(const std::exception& error, const std::string& programFolder) {
  if (const auto* refused = dynamic_cast<const EProtectedOutput*>(&error))
    return FormatText(ProtectedOutputText(refused->Kept()), refused->OutputPath());
  if (const auto* cipher = dynamic_cast<const EFileError*>(&error))
    return CipherFileErrorText(*cipher, programFolder);
  if (const auto* write = dynamic_cast<const EWriteError*>(&error))
    return WriteErrorText(write->SystemError(), write->Path(), write->Message());
  return error.what();
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
