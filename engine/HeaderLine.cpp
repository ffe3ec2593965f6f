#include "engine/HeaderLine.h"

#include <algorithm>
#include <new>

#include "common/Exception.h"
#include "common/Texts.h"

// "ephyrClickﾃﾞｰﾀ" as its cp932 bytes, written out so that every compiler gives them,
// also clang, which leaves the literals of the fuzz build in UTF-8.
const std::string kHeaderMarker = "ephyrClick\xC3\xDE\xB0\xC0";

namespace {
// The pieces of a header line around the four option columns.
struct HeaderPieces {
  std::string Column1, ToolText, Column57, ToolData, Column70, Column71, Rest;
};

// A fresh header line as the settings tool writes it; used when the line cannot be cut.
// clang-format off
HeaderPieces FreshHeaderPieces() {
  return {"Z", "ephyrClickﾃﾞｰﾀﾌｧｲﾙ0この0000の内容は変更しないでください", ")", "000000000010",
          "0", "0", "003305010" + std::string(100, ' ')};
}

HeaderPieces CutHeader(const std::string& header) {
  long long length = static_cast<long long>(header.size());
  return {ClampedSubstring(header, 1, 1),   ClampedSubstring(header, 2, 55),
          ClampedSubstring(header, 57, 1),  ClampedSubstring(header, 58, 12),
          ClampedSubstring(header, 70, 1),  ClampedSubstring(header, 71, 1),
          ClampedSubstring(header, 72, length - 71)};
}
// clang-format on

const char* Flag(bool on, const char* yes, const char* no) { return on ? yes : no; }
}  // namespace

bool HasHeaderMarker(const std::string& line) { return ClampedSubstring(line, 2, 14) == kHeaderMarker; }

std::string ClampedSubstring(const std::string& text, long long start, long long count) {
  if (start < 1) start = 1;
  long long size = static_cast<long long>(text.size());
  if (count <= 0 || start > size) return std::string();
  if (count > size - start + 1) count = size - start + 1;
  return text.substr(static_cast<size_t>(start - 1), static_cast<size_t>(count));
}

std::string RewriteHeader(const std::string& header, const ExecutableOptions& options) {
  HeaderPieces pieces;
  try {
    pieces = header.size() >= kCompleteHeaderLength
                 ? CutHeader(header)
                 : CutHeader(header + std::string(kCompleteHeaderLength - header.size(), ' '));
  } catch (const std::bad_alloc&) {
    pieces = FreshHeaderPieces();
  }
  pieces.Column57 = Flag(options.ShowsNothing(), ")", "-");
  pieces.Column70 = Flag(options.PlayOnStart, "1", "0");
  pieces.Column71 = Flag(options.ExitAtEnd, "1", "0");
  pieces.Column1 = Flag(options.ExitOnControlKey, "1", "Z");
  try {
    return pieces.Column1 + pieces.ToolText + pieces.Column57 + pieces.ToolData + pieces.Column70 +
           pieces.Column71 + pieces.Rest;
  } catch (const std::bad_alloc&) {
    // No memory for the new line: it cannot go into the line list.
    throw EListError(Texts::kListInsertError);
  }
}

ExecutableOptions OptionsInHeader(const std::string& header) {
  const size_t length = header.size();
  // 1-based positions of the tray, autoplay and exit-at-end columns.
  size_t visibility = 57, playOnStart = 70, exitAtEnd = 71;
  if (length < kCompleteHeaderLength) {
    exitAtEnd = length;
    playOnStart = length - 1;
    visibility = std::min<size_t>(57, length - 2);
  }
  const auto at = [&](size_t position) {
    return position >= 1 && position <= length ? header[position - 1] : '\0';
  };
  ExecutableOptions options;
  options.Shown = at(visibility) != '-' ? Visibility::ShowNothing : Visibility::TrayIcon;
  options.PlayOnStart = at(playOnStart) == '1';
  options.ExitAtEnd = at(exitAtEnd) == '1';
  options.ExitOnControlKey = at(1) == '1';
  return options;
}
