// The commands on executables: what --inspect tells of executables made with the
// current runtime and with an older one, the round trip through --extract, the file
// that --extract keeps, --update that rebuilds or leaves alone, and files that are no
// executable of Zephyr Player's.
#include <chrono>
#include <filesystem>

#include "cipher/Sha256.h"
#include "common/Format.h"
#include "common/Texts.h"
#include "tests/console/ConsoleProgramFixture.h"
#include "tests/support/ProgramImage.h"
#include "tests/support/SettingsSamples.h"
#ifndef _WIN32
#include "tests/support/TestSigner.h"
#endif

namespace {
// The properties of an executable made from a runtime without version information.
const std::string kRuntimeProperties =
    "icon: runtime\r\nicon-sha256: none\r\nfile-version: 0.0.0.0\r\nproduct-version: \r\ndescription: \r\n"
    "product: \r\ncompany: \r\ncopyright: \r\n";

class ExecutableCommands : public ConsoleProgram {
 protected:
  void SetUp() override {
    ConsoleProgram::SetUp();
    ASSERT_EQ(0, Run({"--tray", "--no-autoplay", kSettingsPath})) << Streams.Error;
    Made = ReadBytes(kExecutablePath);
  }
  std::string Settings() const { return Made.substr(RuntimeImage().size()); }
  static std::string DigestOf(const std::string& bytes) {
    Sha256 digest;
    digest.Add(bytes.data(), bytes.size());
    return digest.HexDigest();
  }
  // What --inspect prints of the executable made, the runtime part judged as current.
  std::string InspectLines(const char* current) const {
    return FormatText("settings-bytes: %d\r\nsettings-lines: 6\r\nruntime-bytes: %d\r\n",
                      static_cast<int>(Settings().size()), static_cast<int>(RuntimeImage().size())) +
           "runtime-sha256: " + DigestOf(RuntimeImage()) + "\r\nruntime-current: " + current +
           "\r\nsigned: no\r\ntray: on\r\nautoplay: off\r\nexit-at-end: on\r\nexit-on-key: on\r\n" +
           kRuntimeProperties;
  }

  std::string Made;
};

TEST_F(ExecutableCommands, InspectTellsThePartsAndTheOptions) {
  EXPECT_EQ(0, Run({"--inspect", kExecutablePath}));
  EXPECT_EQ(Hex(InspectLines("yes")), Hex(Streams.Output));
  EXPECT_EQ("", Streams.Error);
  EXPECT_EQ(0, Run({"--inspect", "--json", kExecutablePath}));
  const std::string json =
      FormatText("{\"settings-bytes\":%d,\"settings-lines\":6,\"runtime-bytes\":%d,",
                 static_cast<int>(Settings().size()), static_cast<int>(RuntimeImage().size())) +
      "\"runtime-sha256\":\"" + DigestOf(RuntimeImage()) +
      "\",\"runtime-current\":\"yes\",\"signed\":false,\"tray\":\"on\",\"autoplay\":\"off\","
      "\"exit-at-end\":\"on\",\"exit-on-key\":\"on\",\"icon\":\"runtime\",\"icon-sha256\":\"none\","
      "\"file-version\":\"0.0.0.0\",\"product-version\":\"\",\"description\":\"\",\"product\":\"\","
      "\"company\":\"\",\"copyright\":\"\"}\r\n";
  EXPECT_EQ(Hex(json), Hex(Streams.Output));
}

// With another Zepcom.dat the runtime part ends where its program image ends.
TEST_F(ExecutableCommands, AnOlderRuntimeIsFoundByTheEndOfItsImage) {
  InstallRuntime(ProgramImage(0x800, 7));
  EXPECT_EQ(0, Run({"--inspect", kExecutablePath}));
  EXPECT_EQ(Hex(InspectLines("no")), Hex(Streams.Output));
  EXPECT_EQ(0, Run({"--extract", "-o", "data\\back.zep", kExecutablePath}));
  EXPECT_EQ(Hex(Settings()), Hex(ReadBytes("data\\back.zep")));
  std::filesystem::remove("prog\\Zepcom.dat");
  EXPECT_EQ(0, Run({"--inspect", kExecutablePath}));
  EXPECT_EQ(Hex(InspectLines("unknown")), Hex(Streams.Output));
}

TEST_F(ExecutableCommands, ExtractedSettingsConvertBackIntoTheSameExecutable) {
  EXPECT_EQ(0, Run({"--extract", "-o", "data\\back.zep", kExecutablePath}));
  EXPECT_EQ("data\\back.zep\r\n", Streams.Output);
  EXPECT_EQ(Hex(Settings()), Hex(ReadBytes("data\\back.zep")));
  // With the options --inspect tells.
  EXPECT_EQ(0, Run({"--tray", "--no-autoplay", "--exit-at-end", "--exit-on-key", "-o", "data\\again.exe",
                    "data\\back.zep"}));
  EXPECT_EQ(Hex(Made), Hex(ReadBytes("data\\again.exe")));
}

// The default name is the settings file's own, which holds the header as it was.
TEST_F(ExecutableCommands, ExtractReplacesOtherBytesOnlyWhenForced) {
  const std::string original = ReadBytes(kSettingsPath);
  EXPECT_EQ(1, Run({"--extract", kExecutablePath}));
  EXPECT_EQ(Hex(ErrorLine(FormatText(Texts::Console::kOtherFileThere, kSettingsPath) + "。")),
            Hex(Streams.Error));
  EXPECT_EQ("", Streams.Output);
  EXPECT_EQ(Hex(original), Hex(ReadBytes(kSettingsPath)));

  EXPECT_EQ(0, Run({"--extract", "--force", kExecutablePath}));
  EXPECT_EQ(Hex(Settings()), Hex(ReadBytes(kSettingsPath)));
  EXPECT_EQ(0, Run({"--extract", kExecutablePath}));
  EXPECT_EQ(Hex(ErrorLine(FormatText(Texts::Console::kSameFileThere, kSettingsPath) + "。")),
            Hex(Streams.Error));
  EXPECT_EQ(std::string(kSettingsPath) + "\r\n", Streams.Output);
}

TEST_F(ExecutableCommands, UpdateLeavesAnExecutableThatWouldStayTheSameUntouched) {
  // Whole seconds, which every file system keeps as they are.
  const auto old = std::chrono::floor<std::chrono::seconds>(std::filesystem::file_time_type::clock::now() -
                                                            std::chrono::hours(24 * 400));
  std::filesystem::last_write_time(kExecutablePath, old);
  const std::vector<std::string> entries = EntriesOf(".");
  EXPECT_EQ(0, Run({"--update", kExecutablePath}));
  EXPECT_EQ(Hex(ErrorLine(FormatText(Texts::Console::kAlreadyUpToDate, kExecutablePath) + "。")),
            Hex(Streams.Error));
  EXPECT_EQ(std::string(kExecutablePath) + "\r\n", Streams.Output);
  EXPECT_TRUE(std::filesystem::last_write_time(kExecutablePath) == old);
  EXPECT_EQ(entries, EntriesOf("."));
}

// The executable is the source of the options: the remembered ones play no part.
TEST_F(ExecutableCommands, UpdateTakesTheCurrentRuntimeAndChangesOnlyTheOptionsSwitched) {
  const std::string newer = ProgramImage(0x800, 7);
  InstallRuntime(newer);
  Store.StoreText("rad1", "1");
  EXPECT_EQ(0, Run({"--update", "--no-exit-at-end", kExecutablePath}));
  const std::string updated = ReadBytes(kExecutablePath);
  ASSERT_EQ(Hex(newer), Hex(updated.substr(0, newer.size())));
  EXPECT_EQ("1-00", OptionColumns(updated.substr(newer.size())));
  EXPECT_EQ(Hex(Settings().substr(Settings().find('\n'))),
            Hex(updated.substr(updated.find('\n', newer.size()))));
}

// A plain program, one cut short, an empty file and a folder: each is named, with the
// same words for every command, and nothing is written anywhere.
TEST_F(ExecutableCommands, WhatNoConversionMadeIsNamedAndNothingIsWritten) {
  WriteBytes("data\\plain.exe", ProgramImage(0x600, 3));
  WriteBytes("data\\cut.exe", Made.substr(0, RuntimeImage().size() - 100));
  WriteBytes("data\\empty.exe", "");
  MakeFolder("data\\folder.exe");
  const std::vector<std::string> entries = EntriesOf(".");
  for (const char* command : {"--inspect", "--extract", "--update"}) {
    for (const char* file : {"data\\plain.exe", "data\\cut.exe", "data\\empty.exe"}) {
      SCOPED_TRACE(std::string(command) + " " + file);
      EXPECT_EQ(1, Run({command, file}));
      EXPECT_EQ(Hex(ErrorLine(FormatText(Texts::Console::kNotMadeByZepplay, file) + "。")),
                Hex(Streams.Error));
      EXPECT_EQ("", Streams.Output);
    }
    EXPECT_EQ(2, Run({command, "data\\folder.exe"}));
    EXPECT_EQ(Hex(ErrorLine(FormatText(Texts::kFileOpenError, "data\\folder.exe") + "。")),
              Hex(Streams.Error));
  }
  EXPECT_EQ(entries, EntriesOf("."));
}

TEST_F(ExecutableCommands, ManyExecutablesAreNamedBlockByBlock) {
  WriteBytes("data\\copy.exe", Made);
  EXPECT_EQ(0, Run({"--inspect", "data\\*.exe"}));
  EXPECT_EQ(Hex("file: data\\copy.exe\r\n" + InspectLines("yes") + "file: data\\macro.exe\r\n" +
                InspectLines("yes")),
            Hex(Streams.Output));
  // In JSON the backslash is escaped, but not the second byte of 表 (95 5C).
  WriteBytes("data\\\x95\\.exe", Made);
  EXPECT_EQ(0, Run({"--inspect", "--json", "data\\*.exe"}));
  EXPECT_NE(std::string::npos,
            Streams.Output.find("\r\n{\"file\":\"data\\\\\x95\\.exe\",\"settings-bytes\":"))
      << Streams.Output;
}

// Settings that a NUL byte would cut short are not made again: nothing may be lost.
TEST_F(ExecutableCommands, UpdateLosesNoByteOfTheSettings) {
  const std::string executable = RuntimeImage() + SettingsFileBytes({"1", "2", "3", "4", "5"}) +
                                 std::string("7,\0HIDDEN-TAIL\r\n8,more", 22);
  WriteBytes(kExecutablePath, executable);
  EXPECT_EQ(1, Run({"--update", "--tray", kExecutablePath}));
  EXPECT_EQ(Hex(ErrorLine(FormatText(Texts::Console::kUpdateWouldCut, kExecutablePath, 7) + "。")),
            Hex(Streams.Error));
  EXPECT_EQ(Hex(executable), Hex(ReadBytes(kExecutablePath)));
}

#ifndef _WIN32
// Signed after Zepplay made it: the signature is no part of the settings; an update keeps
// an executable that is up to date, signature and all, and one it changes loses the
// signature, which it says.
TEST_F(ExecutableCommands, ASignedExecutableIsReadWithoutItsSignature) {
  const TestSigner signer;
  if (!signer.Available()) GTEST_SKIP() << "osslsigncode or openssl is missing";
  const std::string signedMade = signer.Signed(Made);
  WriteBytes(kExecutablePath, signedMade);
  EXPECT_EQ(0, Run({"--inspect", kExecutablePath}));
  // The digest is of the runtime part as it stands, with the two fields signing changed.
  std::string lines = InspectLines("yes");
  lines.replace(lines.find("signed: no"), 10, "signed: yes");
  const std::string digest = DigestOf(RuntimeImage());
  lines.replace(lines.find(digest), digest.size(), DigestOf(signedMade.substr(0, RuntimeImage().size())));
  EXPECT_EQ(Hex(lines), Hex(Streams.Output));
  EXPECT_EQ(0, Run({"--extract", "-o", "data\\back.zep", kExecutablePath}));
  EXPECT_EQ(Hex(Settings()), Hex(ReadBytes("data\\back.zep")));
  EXPECT_EQ(0, Run({"--update", kExecutablePath}));
  EXPECT_EQ(Hex(signedMade), Hex(ReadBytes(kExecutablePath)));
  EXPECT_EQ(0, Run({"--update", "--autoplay", kExecutablePath}));
  EXPECT_EQ(Hex(ErrorLine(FormatText(Texts::Console::kSignatureGone, kExecutablePath) + "。")),
            Hex(Streams.Error));
  EXPECT_EQ(0, Run({"--inspect", kExecutablePath}));
  EXPECT_NE(std::string::npos, Streams.Output.find("signed: no\r\n"));
}
#endif
}  // namespace
