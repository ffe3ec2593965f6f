#pragma once
// The header line of a settings file: a fixed-column record whose columns 1, 57, 70 and
// 71 (1-based bytes) carry the playback options, and whose bytes 2 to 15 are the
// marker "ephyrClickﾃﾞｰﾀ".
#include <cstddef>
#include <string>

#include "engine/ExecutableOptions.h"

// The 14 marker bytes.
extern const std::string kHeaderMarker;
// A complete header line reaches the last option column, 71.
inline constexpr size_t kCompleteHeaderLength = 71;

// True when bytes 2 to 15 of line are the marker, compared byte for byte.
bool HasHeaderMarker(const std::string& line);

// Bytes start..start+count-1 (1-based) of text, clamped to text: never fails for lack
// of bytes.
std::string ClampedSubstring(const std::string& text, long long start, long long count);

// The header line with the four option columns replaced. A line of 71 bytes or more
// keeps its length; a shorter one keeps its bytes and is completed with blanks up to its
// last option column, so that its options stand in their columns and a second rewrite
// changes nothing. Raises EListError "行を挿入できません" when no memory is left for the
// new line.
std::string RewriteHeader(const std::string& header, const ExecutableOptions& options);

// The options that RewriteHeader wrote into header (never Visibility::Unchosen). A line of
// 71 bytes or more has them in their columns; in a shorter one, which an earlier version
// made by putting them right after the bytes the line had, they are its last bytes.
ExecutableOptions OptionsInHeader(const std::string& header);
