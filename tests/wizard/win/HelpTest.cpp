// The help page: its file URL from a path in the ANSI code page, and the page as the
// build installs it beside the program.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "common/Texts.h"
#include "platform/ShiftJisPath.h"
#include "tests/support/TestFiles.h"
#include "wizard/HelpLink.h"
#include "wizard/win/HelpBrowser.h"

namespace {

TEST(HelpPage, TheUrlOfAShiftJisPathIsEncodedFromItsCharacters) {
  // C:\作業\表 1.html in cp932; the second byte of 表 is 5C, which is no separator.
  EXPECT_EQ(FileUrlOf("C:\\\x8D\xEC\x8B\xC6\\\x95\x5C 1.html", "page1"),
            "file:///C:/%E4%BD%9C%E6%A5%AD/%E8%A1%A8%201.html#page1");
}

TEST(HelpPage, IsInstalledWithASectionForEveryWizardPageAndThePicturesItShows) {
  char program[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, program, MAX_PATH);
  const std::string page = FolderPart(program) + Texts::kHelpPageName;
  ASSERT_TRUE(PathExists(page)) << page;
  const std::string html = ReadBytes(page);
  EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
  for (WizardPage wizardPage : kWizardPages)
    EXPECT_NE(html.find("id=\"" + HelpSection(wizardPage) + "\""), std::string::npos)
        << PageNumber(wizardPage);
  EXPECT_NE(html.find(std::string("id=\"") + kPropertiesHelpSection + "\""), std::string::npos);
  int pictures = 0;
  const std::string source = "src=\"";
  for (size_t at = html.find(source); at != std::string::npos; at = html.find(source, at + 1), ++pictures) {
    const size_t start = at + source.size();
    const std::string picture = html.substr(start, html.find('"', start) - start);
    EXPECT_TRUE(PathExists(FolderPart(page) + picture)) << picture;
  }
  EXPECT_EQ(pictures, 5);
}

}  // namespace
