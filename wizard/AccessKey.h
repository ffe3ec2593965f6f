#pragma once
// The access key of a control text: the letter after a single "&" ("ヘルプ(&H)" has H).
#include <string>

// The access key in upper case, or 0 when the text has none. "&&" stands for a plain
// "&"; double-byte characters are stepped over whole.
char AccessKeyOf(const std::string& text);
