#pragma once
// Text between a code page and UTF-16 (Windows build only): the program's texts are
// cp932 bytes, some system calls and the console take UTF-16.
#include <windows.h>

#include <string>

// The bytes of text in codePage (CP_ACP: the system's ANSI code page) as UTF-16.
std::wstring Widen(const std::string& text, UINT codePage = CP_ACP);
// UTF-16 text as bytes of codePage. With lost given, a character the code page lacks
// becomes "?" (no look-alike is chosen in its place) and sets *lost; without, the code
// page's own rule for such characters applies.
std::string Narrow(const std::wstring& text, UINT codePage, bool* lost = nullptr);

// UTF-16 text as bytes of codePage, each character the code page lacks kept as the
// escapes of its code units (ForeignCharacters.h); and back.
std::string NarrowKeepingForeign(const std::wstring& text, UINT codePage);
std::wstring WidenKeepingForeign(const std::string& text, UINT codePage);
