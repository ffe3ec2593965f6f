// The demo player, a real program with resources of its own, given an icon of six images
// and Japanese version texts and followed by a settings file, as a conversion makes an
// executable; then Windows itself reads it: every text through GetFileVersionInfo and
// VerQueryValue, every icon image found by its size in the group and drawn, the checksum
// of the image through CheckSumMappedFile, and the program still starts and finds its
// settings.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
// clang-format off
#include <imagehlp.h>
// clang-format on

#include <gtest/gtest.h>

#include "engine/ImagePropertiesEditor.h"
#include "engine/LittleEndian.h"
#include "tests/support/IconSamples.h"
#include "tests/support/MemoryImage.h"
#include "tests/support/ProcessDriver.h"
#include "tests/support/SettingsSamples.h"

namespace {
const struct {
  const char* Key;
  std::string VersionInfo::*Text;
  const char* Value;  // cp932
} kTexts[] = {
    {"ProductVersion", &VersionInfo::ProductVersion, "2.0 \x83\x78\x81\x5B\x83\x5E"},  // "2.0 ベータ"
    {"FileDescription", &VersionInfo::FileDescription, "\x8E\xA9\x93\xAE\x8F\x88\x97\x9D"},  // "自動処理"
    {"ProductName", &VersionInfo::ProductName, "\x83\x7D\x83\x4E\x83\x8D"},                  // "マクロ"
    {"CompanyName", &VersionInfo::CompanyName, "\x8A\x94\x8E\xAE\x89\xEF\x8E\xD0 \\"},  // "株式会社 \"
    {"LegalCopyright", &VersionInfo::LegalCopyright, "(C) 2025"},
    {"OriginalFilename", &VersionInfo::OriginalFilename, "Macro.exe"},
    {"InternalName", &VersionInfo::InternalName, "Macro"},
};

std::string ResourceBytes(HMODULE module, LPCSTR name, LPCSTR type) {
  const HRSRC resource = FindResourceA(module, name, type);
  if (!resource) return std::string();
  return std::string(static_cast<const char*>(LockResource(LoadResource(module, resource))),
                     SizeofResource(module, resource));
}
}  // namespace

TEST(ImagePropertiesOnWindows, WindowsReadsTheDemoPlayerWithPropertiesOfItsOwn) {
  ImageProperties properties;
  IconGroup icon;
  ASSERT_EQ(ReadIconFile(SixImageIconFile(), icon), IconFileFault::None);
  properties.Icon = icon;
  properties.Version.FileVersion = {1, 2, 3, 4};
  for (const auto& text : kTexts) properties.Version.*text.Text = text.Value;
  const std::string runtime = ReadBytes(ProgramFolder() + "demo_player.exe");
  MemoryOutput output;
  ImagePropertiesEditor editor(properties, output);
  editor.Add(reinterpret_cast<const uint8_t*>(runtime.data()), runtime.size());
  const ImageEditResult result = editor.Finish();
  ASSERT_EQ(result.Outcome, ImageEditOutcome::Edited);
  TempFolder folder;
  const std::string path = folder / "Macro.exe";
  WriteBytes(path, output.Bytes + SettingsFileBytes({"one", "two"}));

  std::string info(GetFileVersionInfoSizeA(path.c_str(), nullptr), '\0');
  ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(info.size()), &info[0]));
  void* value;
  UINT length;
  for (const auto& text : kTexts) {
    const std::string key = std::string("\\StringFileInfo\\041104B0\\") + text.Key;
    ASSERT_TRUE(VerQueryValueA(info.data(), key.c_str(), &value, &length)) << text.Key;
    EXPECT_EQ(std::string(static_cast<const char*>(value)), text.Value) << text.Key;
  }
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\StringFileInfo\\041104B0\\FileVersion", &value, &length));
  EXPECT_EQ(std::string(static_cast<const char*>(value)), "1.2.3.4");
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\", &value, &length));
  EXPECT_EQ(static_cast<VS_FIXEDFILEINFO*>(value)->dwFileVersionLS, 0x30004u);
  EXPECT_EQ(static_cast<VS_FIXEDFILEINFO*>(value)->dwProductVersionMS, 0x10002u);
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", &value, &length));
  EXPECT_EQ(std::string(static_cast<const char*>(value), length), "\x11\x04\xB0\x04");

  const HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_TRUE(module);
  std::string group = ResourceBytes(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14));
  ASSERT_EQ(group.size(), 6 + 14 * icon.size());
  for (size_t i = 0; i < icon.size(); ++i) {
    IconImageSummary summary;
    ASSERT_TRUE(SummarizeIconImage(icon[i].Bytes, summary));
    const int size = static_cast<int>(summary.Width);
    // The image that Windows picks for this size has this size.
    const int found = LookupIconIdFromDirectoryEx(reinterpret_cast<PBYTE>(&group[0]), TRUE, size, size, 0);
    IconImageSummary picked;
    ASSERT_TRUE(
        SummarizeIconImage(ResourceBytes(module, MAKEINTRESOURCEA(found), MAKEINTRESOURCEA(3)), picked));
    EXPECT_EQ(picked.Width, summary.Width);
    std::string own =
        ResourceBytes(module, MAKEINTRESOURCEA(ReadLe(group, 6 + 14 * i + 12, 2)), MAKEINTRESOURCEA(3));
    EXPECT_EQ(own, icon[i].Bytes) << i;
    const HICON drawn = CreateIconFromResourceEx(
        reinterpret_cast<PBYTE>(&own[0]), static_cast<DWORD>(own.size()), TRUE, 0x00030000, size, size, 0);
    EXPECT_TRUE(drawn) << i;
    DestroyIcon(drawn);
  }
  EXPECT_FALSE(ResourceBytes(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)).empty());
  EXPECT_EQ(ResourceBytes(module, "PLAYERNOTE", "DEMODATA").substr(0, 11), "Stands in f");
  FreeLibrary(module);

  DWORD headerSum = 0, computedSum = 0;
  ASSERT_TRUE(
      CheckSumMappedFile(&output.Bytes[0], static_cast<DWORD>(result.ImageSize), &headerSum, &computedSum));
  EXPECT_EQ(headerSum, computedSum);
  EXPECT_NE(computedSum, 0u);

  const ConsoleOutcome run = ConsoleRun("", path).Finish();
  EXPECT_EQ(run.ExitCode, 0);
  EXPECT_EQ(run.Output.substr(0, 9), "column1: ");
  EXPECT_NE(run.Output.find("lines: 3\r\n"), std::string::npos) << run.Output;
}
