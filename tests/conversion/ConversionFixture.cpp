#include "tests/conversion/ConversionFixture.h"

#include <algorithm>

#include "common/Exception.h"
#include "common/Format.h"
#include "common/Texts.h"
#include "engine/RuntimeFile.h"
#include "tools/packer/BlowfishEncoder.h"

ConversionFixture::ConversionFixture(std::string programFolder)
    : Programs((programFolder.empty() ? Program.Path() : programFolder) + "zepplay.exe") {
  RuntimeFile = Programs.RuntimeFile();
  WriteBytes(SettingsPath, SettingsFileBytes({"1,a", "2,b", "3,c", "4,d", "5,e", "6,f"}));
  EXPECT_EQ(SettingsCheck::Accepted, LoadSettings(Settings, Warnings, SettingsPath));
  OutputPath = Settings.Folder + kExeName;
}

void ConversionFixture::WriteRuntimeFile(const std::string& image) {
  BlowfishEncoder encoder;
  encoder.SetKey(kRuntimeKeyPhrase);
  WriteBytes(RuntimeFile, encoder.EncipherPaddedECB(image));
}

MakeOutcome ConversionFixture::Convert(const std::string& outputPath) {
  return MakeExecutable(Programs, Settings, ExecutableOptions{}, outputPath,
                        [this](int percent) { Progress.push_back(percent); });
}

void ConversionFixture::ExpectOutputRefused(const std::string& exeName) {
  try {
    Convert(Settings.Folder + exeName);
    ADD_FAILURE() << "no error for " << exeName;
  } catch (const EFCreateError& error) {
    EXPECT_EQ(Hex(error.Message()), Hex(FormatText(Texts::kFileCreateError, Settings.Folder + exeName)));
  }
}

void ConversionFixture::ExpectFileBytes(const std::string& path, const std::string& expected) {
  const std::string actual = ReadBytes(path);
  ASSERT_EQ(actual.size(), expected.size()) << path;
  const auto difference = std::mismatch(actual.begin(), actual.end(), expected.begin());
  EXPECT_TRUE(difference.first == actual.end())
      << path << " differs at offset " << (difference.first - actual.begin());
}
