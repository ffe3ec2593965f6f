// The executable's own icon and version information through the console program: each
// switch, what --inspect tells, the round trip through --extract, --update keeping and
// changing them, and icons and versions that cannot be used refused with nothing written.
#include <cstdio>

#include "common/Format.h"
#include "common/Texts.h"
#include "tests/console/ConsoleProgramFixture.h"
#include "tests/support/PropertySamples.h"
#include "tests/support/TestSigner.h"

namespace {
// What --inspect tells of the properties, the lines from "icon" on.
std::string PropertyLines(const std::string& inspection) {
  return inspection.substr(inspection.find("icon: "));
}

class Properties : public ConsoleProgram {
 protected:
  void SetUp() override {
    ConsoleProgram::SetUp();
    WriteBytes("data\\macro.ico", SixImageIconFile());
  }
  // Converts settings with every property given, icon and fileVersion as named.
  int ConvertWithAll(const std::string& icon, const std::string& fileVersion, const std::string& settings,
                     std::vector<std::string> more = {}) {
    std::vector<std::string> arguments = {"--tray",         "--icon",        icon,
                                          "--file-version", fileVersion,     "--product-version",
                                          "2.0 β",          "--description", "表示するマクロ",
                                          "--product",      "Macro",         "--company",
                                          "Fernwick",       "--copyright",   "(c) 2026"};
    arguments.insert(arguments.end(), more.begin(), more.end());
    arguments.push_back(settings);
    return Run(arguments);
  }
  std::string Inspected(const std::string& path = kExecutablePath) {
    EXPECT_EQ(0, Run({"--inspect", path}));
    return PropertyLines(Streams.Output);
  }
};

// Every switch is carried, --inspect tells it, and what --extract gives back, converted
// with what --inspect tells, is the executable's exact bytes; --update without switches
// leaves it alone.
TEST_F(Properties, EverySwitchIsCarriedAndComesBackThroughExtract) {
  ASSERT_EQ(0, ConvertWithAll("data\\macro.ico", "1.2", kSettingsPath)) << Streams.Error;
  const std::string made = ReadBytes(kExecutablePath);
  const std::string lines = Inspected();
  EXPECT_EQ(Hex("icon: 16x16x1, 16x16x4, 32x32x8, 48x48x24, 32x32x32, 256x256x32 png\r\n"),
            Hex(lines.substr(0, lines.find("\r\n") + 2)));
  EXPECT_NE(std::string::npos,
            lines.find("file-version: 1.2.0.0\r\nproduct-version: 2.0 β\r\ndescription: 表示するマクロ\r\n"
                       "product: Macro\r\ncompany: Fernwick\r\ncopyright: (c) 2026\r\n"))
      << lines;
  EXPECT_NE(std::string::npos, Streams.Output.find("runtime-current: yes\r\n"));

  ASSERT_EQ(0, Run({"--extract", "-o", "data\\back.zep", kExecutablePath}));
  EXPECT_EQ("data\\back.zep\r\ndata\\back.ico\r\n", Streams.Output);
  EXPECT_EQ(Hex(SixImageIconFile()), Hex(ReadBytes("data\\back.ico")));
  std::remove(kExecutablePath);
  ASSERT_EQ(0, ConvertWithAll("data\\back.ico", "1.2.0.0", "data\\back.zep", {"-o", kExecutablePath}));
  EXPECT_EQ(Hex(made), Hex(ReadBytes(kExecutablePath)));
  EXPECT_EQ(0, Run({"--update", kExecutablePath}));
  EXPECT_EQ(Hex(made), Hex(ReadBytes(kExecutablePath)));
  EXPECT_NE(std::string::npos,
            Streams.Error.find(FormatText(Texts::Console::kAlreadyUpToDate, kExecutablePath)));
}

// A property not given keeps what the executable being replaced or updated has;
// --no-properties gives the runtime's back.
TEST_F(Properties, WhatIsNotGivenIsKept) {
  ASSERT_EQ(0, ConvertWithAll("data\\macro.ico", "1.2", kSettingsPath)) << Streams.Error;
  const std::string given = Inspected();
  ASSERT_EQ(0, Run({"--tray", kSettingsPath}));
  EXPECT_EQ(Hex(given), Hex(Inspected()));
  ASSERT_EQ(0, Run({"--update", "--company", "Other", kExecutablePath}));
  std::string changed = given;
  changed.replace(changed.find("Fernwick"), 8, "Other");
  EXPECT_EQ(Hex(changed), Hex(Inspected()));
  ASSERT_EQ(0, Run({"--update", "--no-properties", kExecutablePath}));
  EXPECT_EQ(0u, Inspected().find("icon: runtime\r\nicon-sha256: none\r\nfile-version: 0.0.0.0\r\n"));
  EXPECT_EQ(4, Run({"--no-properties", "--company", "x", kSettingsPath}));
}

#ifndef _WIN32
TEST_F(Properties, ASignedRuntimeLosingItsSignatureIsTold) {
  const TestSigner signer;
  if (!signer.Available()) GTEST_SKIP() << "osslsigncode or openssl is missing";
  InstallRuntime(signer.Signed(RuntimeImage()));
  EXPECT_EQ(0, Run({"--company", "Fernwick", kSettingsPath}));
  EXPECT_EQ(Hex(ErrorLine(FormatText(Texts::kRuntimeSignatureDropped, "prog\\Zepcom.dat") + "。")),
            Hex(Streams.Error));
}
#endif

TEST_F(Properties, IconsAndVersionsThatCannotBeUsedAreRefusedWithNothingWritten) {
  const std::string png = PngIconImage(16);
  const std::pair<std::string, const char*> icons[] = {
      {"", Texts::kIconTooShort},
      {png, Texts::kIconRenamedPng},
      {IconFileOf({}), Texts::kIconNoImages},
      {SixImageIconFile().substr(0, 200), Texts::kIconImageOutsideFile}};
  for (const auto& [bytes, reason] : icons) {
    SCOPED_TRACE(reason);
    WriteBytes("data\\bad.ico", bytes);
    EXPECT_EQ(2, Run({"--icon", "data\\bad.ico", kSettingsPath}));
    EXPECT_EQ(Hex(ErrorLine(FormatText(Texts::kIconNotUsable, "data\\bad.ico", reason) + "。")),
              Hex(Streams.Error));
  }
  const std::pair<const char*, const char*> versions[] = {{"1.2.3.4.5", Texts::kFileVersionTooManyParts},
                                                          {"70000", Texts::kFileVersionPartTooLarge},
                                                          {"1..2", Texts::kFileVersionMalformed}};
  for (const auto& [text, reason] : versions) {
    SCOPED_TRACE(text);
    EXPECT_EQ(2, Run({"--file-version", text, kSettingsPath}));
    EXPECT_EQ(Hex(ErrorLine(FormatText(Texts::kFileVersionNotUsable, text, reason) + "。")),
              Hex(Streams.Error));
  }
  EXPECT_FALSE(PathExists(kExecutablePath));
}
}  // namespace
