// Where the file-open dialog starts from the settings path field.
#include <gtest/gtest.h>

#include "wizard/SettingsPathText.h"

namespace {

TEST(BrowseStart, TheFieldsFolderIsOpenedWithItsNameOfferedAndAnEmptyFieldOffersTheLastChoice) {
  // C:\作業\表.zep: the second byte of 表 is 5C, which is no separator.
  const BrowseStart start = BrowseStartFor("C:\\\x8D\xEC\x8B\xC6\\\x95\x5C.zep", "D:\\last.zep");
  EXPECT_EQ("C:\\\x8D\xEC\x8B\xC6\\", start.Folder);
  EXPECT_EQ("\x95\x5C.zep", start.FileName);

  const BrowseStart folderOnly = BrowseStartFor("C:\\data\\", "D:\\last.zep");
  EXPECT_EQ("C:\\data\\", folderOnly.Folder);
  EXPECT_EQ("", folderOnly.FileName);

  const BrowseStart empty = BrowseStartFor("", "D:\\last.zep");
  EXPECT_EQ("", empty.Folder);
  EXPECT_EQ("D:\\last.zep", empty.FileName);
}

}  // namespace
