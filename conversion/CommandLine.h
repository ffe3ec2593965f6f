#pragma once
// The program's arguments, split from the command line the way they were always read:
// blanks (any byte up to and including the space) separate arguments, and double
// quotes group blanks into one argument and are removed.
#include <string>
#include <vector>

// True for the bytes that separate arguments and are skipped before a number.
bool IsBlank(char byte);

// Every argument of commandLine, the program name included.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);
// The same for a command line of UTF-16 characters, as the system keeps it. Neither a
// blank nor a quote is ever the second byte of a cp932 character, so both splits agree.
std::vector<std::wstring> SplitCommandLine(const std::wstring& commandLine);
