#include <gtest/gtest.h>

#include "platform/ShiftJisPath.h"

namespace {
std::string ProposedName(const std::string& settingsPath) {
  return ChangeExtension(NamePart(settingsPath), ".exe");
}
}  // namespace

// 表 is 95 5C and ソ is 83 5C: their second byte is a backslash that separates nothing.
TEST(ShiftJisPath, FolderPartStopsAtTheLastRealSeparator) {
  EXPECT_EQ(FolderPart("C:\\データ\\表.zep"), "C:\\データ\\");
  EXPECT_EQ(FolderPart("C:\\表"), "C:\\");
  EXPECT_EQ(FolderPart("C:\\ソフト\\a.zep"), "C:\\ソフト\\");
  EXPECT_EQ(FolderPart("D:sample.zep"), "D:");
  EXPECT_EQ(FolderPart("macro.zep"), "");
  EXPECT_EQ(FolderPart("表.zep"), "");
  EXPECT_EQ(FolderPart("\\\\server\\share\\m.zep"), "\\\\server\\share\\");
  EXPECT_EQ(FolderPart("C:/macros/a.zep"), "C:/macros/");
  EXPECT_EQ(FolderPart("dir.v2/macro"), "dir.v2/");
}

TEST(ShiftJisPath, NamePartIsWhatFollowsTheFolder) {
  EXPECT_EQ(NamePart("C:\\データ\\表.zep"), "表.zep");
  EXPECT_EQ(NamePart("D:sample.zep"), "sample.zep");
  EXPECT_EQ(NamePart("macro"), "macro");
  EXPECT_EQ(NamePart("C:\\data\\"), "");
}

TEST(ShiftJisPath, ProposedExecutableNames) {
  EXPECT_EQ(ProposedName("C:\\data\\macro.zep"), "macro.exe");
  EXPECT_EQ(ProposedName("macro.old.zep"), "macro.old.exe");
  EXPECT_EQ(ProposedName("macro"), "macro.exe");
  EXPECT_EQ(ProposedName("C:\\data.old\\macro"), "macro.exe");
  EXPECT_EQ(ProposedName("dir.v2/macro"), "macro.exe");
  EXPECT_EQ(ProposedName(".zep"), ".exe");
  EXPECT_EQ(ProposedName("C:\\作業\\表.zep"), "表.exe");
  EXPECT_EQ(ProposedName("C:\\作業\\表"), "表.exe");
}

TEST(ShiftJisPath, ExtensionDotMustFollowTheLastSeparator) {
  EXPECT_EQ(ChangeExtension("a.b\\c", ".exe"), "a.b\\c.exe");
  EXPECT_EQ(ChangeExtension("x:y", ".exe"), "x:y.exe");
  EXPECT_EQ(ChangeExtension("name.", ".exe"), "name.exe");
  EXPECT_EQ(ChangeExtension("", ".exe"), ".exe");
}

TEST(ShiftJisPath, LeadBytesOfCp932) {
  EXPECT_FALSE(IsLeadByte(0x80));
  EXPECT_TRUE(IsLeadByte(0x81));
  EXPECT_TRUE(IsLeadByte(0x9F));
  EXPECT_FALSE(IsLeadByte(0xA0));
  EXPECT_FALSE(IsLeadByte(0xC3));  // half-width katakana are single bytes
  EXPECT_TRUE(IsLeadByte(0xE0));
  EXPECT_TRUE(IsLeadByte(0xFC));
  EXPECT_FALSE(IsLeadByte(0xFD));
}
