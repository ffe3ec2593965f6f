#pragma once
// The console program's words for what went wrong. Where the window's message tells
// only that something failed ("cannot create", "write error", the cipher's English),
// the console line says why and names the file; every line is one sentence or more,
// ending with "。".
#include <exception>
#include <string>

// The text for an error that stopped the work on file: the cause and the file it is
// about, and the file worked on first where the error names none.
std::string ConsoleErrorText(const std::exception& error, const std::string& file);

// text as one line: its line breaks taken out (in cp932 neither CR nor LF is ever the
// second byte of a character) and "。" after it unless it ends with one.
std::string ConsoleSentence(const std::string& text);
