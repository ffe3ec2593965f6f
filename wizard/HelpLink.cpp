#include "wizard/HelpLink.h"

namespace {
constexpr char kHexDigits[] = "0123456789ABCDEF";

bool StaysAsItIs(unsigned char byte) {
  return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') ||
         byte == '-' || byte == '.' || byte == '_' || byte == '~' || byte == '/' || byte == ':';
}
}  // namespace

std::string HelpSection(WizardPage page) { return "page" + std::to_string(PageNumber(page)); }

std::string FileUrl(const std::string& utf8Path, const std::string& fragment) {
  const bool networkPath = utf8Path.compare(0, 2, "\\\\") == 0;
  std::string url = networkPath ? "file:" : "file:///";
  for (char c : utf8Path) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (byte == '\\') {
      url += '/';
    } else if (StaysAsItIs(byte)) {
      url += c;
    } else {
      url += '%';
      url += kHexDigits[byte >> 4];
      url += kHexDigits[byte & 0x0F];
    }
  }
  if (!fragment.empty()) url += "#" + fragment;
  return url;
}

std::string BrowserCommandLine(const std::string& registeredCommand, const std::string& url) {
  std::string line;
  bool urlPlaced = false;
  for (size_t i = 0; i < registeredCommand.size(); ++i) {
    const char next = i + 1 < registeredCommand.size() ? registeredCommand[i + 1] : '\0';
    if (registeredCommand[i] == '%' && (next == '1' || next == 'L' || next == 'l')) {
      line += url;
      urlPlaced = true;
      ++i;
    } else if (registeredCommand[i] == '%' && next == '*') {
      ++i;
    } else {
      line += registeredCommand[i];
    }
  }
  if (!urlPlaced) line += " \"" + url + "\"";
  return line;
}
