// The help page's address in a browser: the file URL with its section, and the command
// line that hands it to the registered browser with the section kept.
#include <gtest/gtest.h>

#include "wizard/HelpLink.h"

namespace {

TEST(HelpLink, FileUrlsAreSlashedAndPercentEncoded) {
  // UTF-8 of C:\Program Files (x86)\作業\help\zepplay.html.
  EXPECT_EQ("file:///C:/Program%20Files%20%28x86%29/%E4%BD%9C%E6%A5%AD/help/zepplay.html#page2",
            FileUrl("C:\\Program Files (x86)\\\xE4\xBD\x9C\xE6\xA5\xAD\\help\\zepplay.html", "page2"));
  EXPECT_EQ("file://server/share/a%23b%25.html", FileUrl("\\\\server\\share\\a#b%.html", ""));
}

TEST(HelpLink, TheBrowserGetsTheUrlWhereItsCommandTakesIt) {
  const std::string url = "file:///C:/help/zepplay.html#page1";
  EXPECT_EQ("\"C:\\Chrome\\chrome.exe\" --single-argument " + url,
            BrowserCommandLine("\"C:\\Chrome\\chrome.exe\" --single-argument %1", url));
  EXPECT_EQ("\"C:\\Firefox\\firefox.exe\" -osint -url \"" + url + "\" ",
            BrowserCommandLine("\"C:\\Firefox\\firefox.exe\" -osint -url \"%L\" %*", url));
  EXPECT_EQ("C:\\browser.exe \"" + url + "\"", BrowserCommandLine("C:\\browser.exe", url));
}

}  // namespace
