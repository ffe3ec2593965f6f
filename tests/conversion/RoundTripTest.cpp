// For every settings file a conversion accepts, short headers and odd line ends
// included, an executable made with the current runtime gives back what made it: its
// extracted settings, converted with the options it tells, are its own bytes, and an
// update without changes leaves it as it is.
#include <cstdio>
#include <random>

#include "conversion/ExecutableCommands.h"
#include "tests/conversion/ConversionFixture.h"
#include "tests/support/ProgramImage.h"

namespace {
class RoundTrip : public ConversionFixture {};

// A settings file drawn from random: the header marker after a header line of any
// length from 15 bytes on, then lines of any bytes but NUL and the line ends, each
// ended by CR LF, LF, CR or LF CR, the last one perhaps by none.
std::string RandomSettings(std::mt19937& random) {
  const char* ends[] = {"\r\n", "\n", "\r", "\n\r"};
  std::string header = FreshHeader().substr(0, 15 + random() % 200);
  std::string text = header;
  const int lines = 6 + static_cast<int>(random() % 10);  // an empty last one may not count
  for (int line = 0; line < lines; ++line) {
    text += ends[random() % 4];
    for (unsigned length = random() % 40; length > 0; --length) {
      char byte = static_cast<char>(random() % 256);
      text += byte == '\0' || byte == '\r' || byte == '\n' ? 'x' : byte;
    }
  }
  if (random() % 2) text += ends[random() % 4];
  return text;
}
}  // namespace

TEST_F(RoundTrip, ExtractConvertAndUpdateGiveTheExecutableBack) {
  WriteRuntimeFile(ProgramImage(0x800, 9));
  std::mt19937 random(20261209);
  const auto unchanged = [](const ExecutableOptions& current) { return current; };
  for (int round = 0; round < 200; ++round) {
    SCOPED_TRACE(round);
    const std::string bytes = RandomSettings(random);
    WriteBytes(SettingsPath, bytes);
    ASSERT_EQ(SettingsCheck::Accepted, LoadSettings(Settings, Warnings, SettingsPath)) << Hex(bytes);
    const ExecutableOptions options{random() % 2 ? Visibility::TrayIcon : Visibility::ShowNothing,
                                    random() % 2 == 0, random() % 2 == 0, random() % 2 == 0};
    ASSERT_EQ(MakeOutcome::Made, MakeExecutable(Programs, Settings, options, OutputPath, nullptr));
    const std::string made = ReadBytes(OutputPath);

    ASSERT_EQ(ExtractOutcome::Written,
              ExtractSettings(Programs, OutputPath, Source / "back.zep", ExistingTarget::Replace).Settings);
    ExecutableContents contents;
    ASSERT_TRUE(InspectExecutable(Programs, OutputPath, contents));
    ASSERT_EQ(SettingsCheck::Accepted, LoadSettings(Settings, Warnings, Source / "back.zep"));
    std::remove((Source / "again.exe").c_str());
    ASSERT_EQ(MakeOutcome::Made,
              MakeExecutable(Programs, Settings, contents.Options, Source / "again.exe", nullptr));
    EXPECT_EQ(Hex(made), Hex(ReadBytes(Source / "again.exe")));

    EXPECT_EQ(UpdateOutcome::UpToDate,
              UpdateExecutable(Programs, OutputPath, unchanged, {}, nullptr).Outcome);
    EXPECT_EQ(Hex(made), Hex(ReadBytes(OutputPath)));
  }
}
