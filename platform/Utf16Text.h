#pragma once
// Text between cp932, the program's code page, and UTF-16, which Windows stores in
// program resources: MultiByteToWideChar and WideCharToMultiByte in the Windows build,
// iconv natively.
#include <string>

// The cp932 bytes of text as UTF-16; a byte that starts no cp932 character becomes "?"
// natively and whatever the system makes of it on Windows.
std::u16string Utf16FromCp932(const std::string& text);
// UTF-16 text as cp932 bytes; a character that cp932 lacks becomes "?".
std::string Cp932FromUtf16(const std::u16string& text);
