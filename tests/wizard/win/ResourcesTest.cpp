// The pictures, icon, manifest and version linked into the program.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "resources/ResourceIds.h"

namespace {
const BITMAPINFOHEADER* BitmapResource(int id) {
  HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2));  // RT_BITMAP
  if (!found) return nullptr;
  return static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(nullptr, found)));
}

#pragma pack(push, 2)
struct IconGroupEntry {
  BYTE Width, Height, ColourCount, Reserved;
  WORD Planes, BitCount;
  DWORD BytesInResource;
  WORD Id;
};
#pragma pack(pop)
}  // namespace

TEST(Resources, SidePictureHas256ColoursAnd215Rows) {
  const BITMAPINFOHEADER* side = BitmapResource(IDB_SIDEPICTURE);
  ASSERT_NE(side, nullptr);
  EXPECT_EQ(side->biWidth, 100);
  EXPECT_EQ(side->biHeight, 215);
  EXPECT_EQ(side->biBitCount, 8);
}

TEST(Resources, FolderGlyphHas16ColoursAndASilverBottomLeftPixel) {
  const BITMAPINFOHEADER* glyph = BitmapResource(IDB_FOLDERGLYPH);
  ASSERT_NE(glyph, nullptr);
  EXPECT_EQ(glyph->biWidth, 16);
  EXPECT_EQ(glyph->biHeight, 16);
  ASSERT_EQ(glyph->biBitCount, 4);
  auto* palette = reinterpret_cast<const RGBQUAD*>(reinterpret_cast<const BYTE*>(glyph) + glyph->biSize);
  int colours = glyph->biClrUsed ? static_cast<int>(glyph->biClrUsed) : 16;
  auto* pixels = reinterpret_cast<const BYTE*>(palette + colours);
  const RGBQUAD& bottomLeft = palette[pixels[0] >> 4];  // rows are stored bottom-up
  EXPECT_EQ(RGB(bottomLeft.rgbRed, bottomLeft.rgbGreen, bottomLeft.rgbBlue), RGB(192, 192, 192));
}

TEST(Resources, MainIconHasA32And16PixelImageAndTheirScaledSizesIn16Colours) {
  HRSRC found =
      FindResourceA(nullptr, MAKEINTRESOURCEA(IDI_MAINICON), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
  ASSERT_NE(found, nullptr);
  auto* group = static_cast<const WORD*>(LockResource(LoadResource(nullptr, found)));
  auto* entries = reinterpret_cast<const IconGroupEntry*>(group + 3);
  std::vector<int> widths;
  for (int i = 0; i < group[2]; ++i) {
    widths.push_back(entries[i].Width);
    EXPECT_EQ(entries[i].Height, entries[i].Width);
    EXPECT_EQ(entries[i].ColourCount, 16);
    EXPECT_EQ(entries[i].BitCount, 4);
  }
  // 125, 150 and 200 % of the 32-pixel image, 125 and 150 % of the 16-pixel one.
  EXPECT_EQ(widths, (std::vector<int>{32, 16, 40, 48, 64, 20, 24}));
}

TEST(Resources, EveryBitmapComesForEachDisplayScale) {
  struct Expected {
    int Id, Width, Height, Bits;
  };
  const Expected kPictures[] = {
      {SCALED_PICTURE(IDB_SIDEPICTURE, 1), 125, 269, 8}, {SCALED_PICTURE(IDB_FOLDERGLYPH, 1), 20, 20, 4},
      {SCALED_PICTURE(IDB_SIDEPICTURE, 2), 150, 323, 8}, {SCALED_PICTURE(IDB_FOLDERGLYPH, 2), 24, 24, 4},
      {SCALED_PICTURE(IDB_SIDEPICTURE, 3), 200, 430, 8}, {SCALED_PICTURE(IDB_FOLDERGLYPH, 3), 32, 32, 4},
  };
  for (const Expected& expected : kPictures) {
    SCOPED_TRACE("bitmap " + std::to_string(expected.Id));
    const BITMAPINFOHEADER* picture = BitmapResource(expected.Id);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->biWidth, expected.Width);
    EXPECT_EQ(picture->biHeight, expected.Height);
    EXPECT_EQ(picture->biBitCount, expected.Bits);
  }
}

TEST(Resources, ManifestAsksForPerMonitorDpiAwarenessAndSystemAwarenessBeforeIt) {
  auto setting = [](const wchar_t* space, const wchar_t* name) {
    wchar_t value[64] = {};
    if (!QueryActCtxSettingsW(0, nullptr, space, name, value, 64, nullptr)) return std::wstring(L"(none)");
    return std::wstring(value);
  };
  EXPECT_EQ(setting(L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness"),
            L"PerMonitorV2, PerMonitor");
  EXPECT_EQ(setting(L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware"), L"true/pm");
}

TEST(Resources, ManifestAndVersion) {
  EXPECT_NE(FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)), nullptr);  // RT_MANIFEST
  char program[MAX_PATH];
  GetModuleFileNameA(nullptr, program, sizeof program);
  DWORD handle = 0;
  std::string data(GetFileVersionInfoSizeA(program, &handle), '\0');
  ASSERT_FALSE(data.empty());
  ASSERT_TRUE(GetFileVersionInfoA(program, 0, static_cast<DWORD>(data.size()), &data[0]));
  char* version = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(data.data(), "\\StringFileInfo\\041103A4\\FileVersion",
                             reinterpret_cast<void**>(&version), &length));
  EXPECT_EQ(std::string(version), "6.10");
  // The description says which Windows the build is for.
  ASSERT_TRUE(VerQueryValueA(data.data(), "\\StringFileInfo\\041103A4\\FileDescription",
                             reinterpret_cast<void**>(&version), &length));
  EXPECT_EQ(std::string(version), sizeof(void*) == 8 ? "Zephyr Player (64-bit)" : "Zephyr Player (32-bit)");
}
