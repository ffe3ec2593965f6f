// The demo player given an icon and Japanese version texts, with settings after it, read by
// Windows itself: every text, every icon image picked and drawn, the checksum; it still runs.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <imagehlp.h>

#include <gtest/gtest.h>

#include "engine/LittleEndian.h"
#include "tests/support/PropertySamples.h"
#include "tests/support/ProcessDriver.h"
#include "tests/support/SettingsSamples.h"

namespace {
const struct {
  const char* Key;
  std::string VersionInfo::*Text;  // none: the file version's text
  const char* Value;               // cp932
} kTexts[] = {
    {"ProductVersion", &VersionInfo::ProductVersion, "2.0 \x83\x78\x81\x5B\x83\x5E"},  // "2.0 ベータ"
    {"FileDescription", &VersionInfo::FileDescription, "\x8E\xA9\x93\xAE\x8F\x88\x97\x9D"},  // "自動処理"
    {"ProductName", &VersionInfo::ProductName, "\x83\x7D\x83\x4E\x83\x8D"},                  // "マクロ"
    {"CompanyName", &VersionInfo::CompanyName, "\x8A\x94\x8E\xAE\x89\xEF\x8E\xD0 \\"},  // "株式会社 \"
    {"LegalCopyright", &VersionInfo::LegalCopyright,
     "(C) 2020\x81\x60"
     "2025"},  // "(C) 2020～2025"
    {"OriginalFilename", &VersionInfo::OriginalFilename, "Macro.exe"},
    {"InternalName", &VersionInfo::InternalName, "Macro"},
    {"FileVersion", nullptr, "1.2.3.4"}};

std::string ResourceBytes(HMODULE module, LPCSTR name, int type) {
  const HRSRC resource = FindResourceA(module, name, MAKEINTRESOURCEA(type));
  return resource ? std::string(static_cast<const char*>(LockResource(LoadResource(module, resource))),
                                SizeofResource(module, resource))
                  : std::string();
}
}  // namespace

TEST(ImagePropertiesOnWindows, WindowsReadsTheDemoPlayerWithPropertiesOfItsOwn) {
  ImageProperties properties;
  const IconGroup& icon = properties.Icon.emplace();
  ASSERT_EQ(ReadIconFile(SixImageIconFile(), *properties.Icon), IconFileFault::None);
  properties.Version.FileVersion = {1, 2, 3, 4};
  for (const auto& text : kTexts)
    if (text.Text) properties.Version.*text.Text = text.Value;
  ImageEditResult result;
  std::string image = EditInMemory(ReadBytes(ProgramFolder() + "demo_player.exe"), properties, result);
  ASSERT_EQ(result.Outcome, ImageEditOutcome::Edited);
  const TempFolder folder;
  const std::string path = folder / "Macro.exe";
  WriteBytes(path, image + SettingsFileBytes({"one", "two"}));

  std::string info(GetFileVersionInfoSizeA(path.c_str(), nullptr), '\0');
  ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(info.size()), &info[0]));
  void* value;
  UINT length;
  for (const auto& text : kTexts) {
    const std::string key = std::string("\\StringFileInfo\\041104B0\\") + text.Key;
    ASSERT_TRUE(VerQueryValueA(info.data(), key.c_str(), &value, &length)) << text.Key;
    EXPECT_EQ(std::string(static_cast<const char*>(value)), text.Value) << text.Key;
  }
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\", &value, &length));
  // The product version text reads as no version: the numbers are the file version's.
  EXPECT_EQ(static_cast<VS_FIXEDFILEINFO*>(value)->dwProductVersionLS, 0x30004ul);

  const HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_TRUE(module);
  std::string group = ResourceBytes(module, MAKEINTRESOURCEA(1), 14);
  ASSERT_EQ(group.size(), 6 + 14 * icon.size());
  for (size_t i = 0; i < icon.size(); ++i) {
    // The image Windows picks for a size has that size; every image is drawn.
    const int size = static_cast<unsigned char>(group[6 + 14 * i] - 1) + 1;  // 0: 256
    const int found = LookupIconIdFromDirectoryEx(reinterpret_cast<PBYTE>(&group[0]), TRUE, size, size, 0);
    IconImageSummary picked;
    ASSERT_TRUE(SummarizeIconImage(ResourceBytes(module, MAKEINTRESOURCEA(found), 3), picked));
    EXPECT_EQ(picked.Width, static_cast<uint32_t>(size));
    std::string own = ResourceBytes(module, MAKEINTRESOURCEA(ReadLe(group, 6 + 14 * i + 12, 2)), 3);
    EXPECT_EQ(own, icon[i].Bytes) << i;
    const HICON drawn = CreateIconFromResourceEx(
        reinterpret_cast<PBYTE>(&own[0]), static_cast<DWORD>(own.size()), TRUE, 0x00030000, size, size, 0);
    EXPECT_TRUE(drawn) << i;
    DestroyIcon(drawn);
  }
  EXPECT_TRUE(FindResourceA(module, "PLAYERNOTE", "DEMODATA"));
  FreeLibrary(module);

  DWORD headerSum = 0, computedSum = 0;
  ASSERT_TRUE(CheckSumMappedFile(&image[0], static_cast<DWORD>(result.ImageSize), &headerSum, &computedSum));
  EXPECT_EQ(headerSum, computedSum);
  const ConsoleOutcome run = ConsoleRun("", path).Finish();
  EXPECT_EQ(run.ExitCode, 0);
  EXPECT_NE(run.Output.find("lines: 3\r\n"), std::string::npos) << run.Output;
}
