#pragma once
// Integers stored as text: leading blanks, an optional sign, then decimal digits or
// hexadecimal digits after "$" or "0x"; nothing may follow, and the number must fit
// in a signed 32-bit integer.
#include <cstdint>
#include <string>

// False, leaving value alone, when text does not read as such an integer.
bool ReadIntegerText(const std::string& text, int32_t& value);
