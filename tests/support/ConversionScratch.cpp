#include "tests/support/ConversionScratch.h"

#include <vector>

#include "tests/support/ProgramImage.h"
#include "tests/support/SettingsSamples.h"
#include "tools/packer/RuntimePacker.h"

std::string ConversionScratch::RuntimeImage() { return ProgramImage(0x400); }

ConversionScratch::ConversionScratch() {
  for (const char* folder : {"prog", "work", "data"}) MakeFolder(folder);
}

void ConversionScratch::InstallRuntime(const std::string& image) {
  WriteBytes("runtime.bin", image);
  PackRuntimeFile("runtime.bin", "prog\\Zepcom.dat");
}

void ConversionScratch::WriteSettings(const std::string& path, int bodyLines) {
  std::vector<std::string> body;
  for (int i = 0; i < bodyLines; ++i) body.push_back("step " + std::to_string(i));
  WriteBytes(path, SettingsFileBytes(body));
}

std::string ConversionScratch::OptionColumns(const std::string& bytes) {
  return {bytes.at(0), bytes.at(56), bytes.at(69), bytes.at(70)};
}
