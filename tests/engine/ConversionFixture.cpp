#include "tests/engine/ConversionFixture.h"

#include <algorithm>

#include "cipher/Blowfish.h"
#include "common/Exception.h"
#include "common/Format.h"
#include "common/Texts.h"
#include "tools/packer/BlowfishEncoder.h"
#include "tools/packer/RuntimePacker.h"

ConversionFixture::ConversionFixture(std::string programFolder) {
  if (programFolder.empty()) programFolder = Program.Path();
  RuntimeFile = programFolder + "Zepcom.dat";
  Engine.SetProgram(programFolder, "zepplay.exe");
  Engine.SetWorkFolder(Work.Path());
  WriteBytes(SettingsPath, SettingsFileBytes({"1,a", "2,b", "3,c", "4,d", "5,e", "6,f"}));
  EXPECT_TRUE(Engine.LoadSettingsFile(SettingsPath));
  OutputPath = Engine.SourceFolder() + kExeName;
}

void ConversionFixture::WriteRuntimeFile(const std::string& image) {
  BlowfishEncoder encoder;
  encoder.SetKey(kRuntimeKeyPhrase);
  WriteBytes(RuntimeFile, encoder.EncipherPaddedECB(image));
}

bool ConversionFixture::KeyCleared() {
  std::string plain;
  try {
    Engine.RuntimeCipher().DecipherString("++++++++++++", plain);
  } catch (const EKeyError& error) {
    return error.Message() == "Blowfish: Key not set";
  }
  return false;
}

void ConversionFixture::ExpectOutputRefused(const std::string& exeName) {
  try {
    Engine.Convert(HeaderOptions{}, Engine.SourceFolder() + exeName, nullptr);
    ADD_FAILURE() << "no error for " << exeName;
  } catch (const EFCreateError& error) {
    EXPECT_EQ(Hex(error.Message()),
              Hex(FormatText(Texts::kFileCreateError, Engine.SourceFolder() + exeName)));
  }
}

void ConversionFixture::ExpectFileBytes(const std::string& path, const std::string& expected) {
  const std::string actual = ReadBytes(path);
  ASSERT_EQ(actual.size(), expected.size()) << path;
  const auto difference = std::mismatch(actual.begin(), actual.end(), expected.begin());
  EXPECT_TRUE(difference.first == actual.end())
      << path << " differs at offset " << (difference.first - actual.begin());
}
