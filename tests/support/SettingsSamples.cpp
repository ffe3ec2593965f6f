#include "tests/support/SettingsSamples.h"

std::string FreshHeader() {
  return "ZephyrClick\xC3\xDE\xB0\xC0\xCC\xA7\xB2\xD9"
         "0\x82\xB1\x82\xCC"
         "0000\x82\xCC\x93\xE0\x97"
         "e\x82\xCD\x95\xCF\x8DX\x82\xB5\x82\xC8\x82\xA2\x82\xC5\x82\xAD"
         "\x82\xBE\x82\xB3\x82\xA2"
         ")000000000010"
         "00"
         "003305010" +
         std::string(100, ' ');
}

std::string SettingsFileBytes(const std::vector<std::string>& body, const std::string& terminator) {
  std::string bytes = FreshHeader() + terminator;
  for (const std::string& line : body) bytes += line + terminator;
  return bytes;
}
