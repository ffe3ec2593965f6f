#pragma once
// printf-style formatting of cp932 byte strings into a std::string.
#include <cstdio>
#include <string>

template <typename... Args>
std::string FormatText(const char* pattern, Args... args) {
  int size = std::snprintf(nullptr, 0, pattern, args...);
  if (size <= 0) return std::string();
  std::string text(static_cast<size_t>(size) + 1, '\0');
  std::snprintf(&text[0], text.size(), pattern, args...);
  text.resize(static_cast<size_t>(size));
  return text;
}

inline std::string FormatText(const char* pattern, const std::string& arg) {
  return FormatText(pattern, arg.c_str());
}
