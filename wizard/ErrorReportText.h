#pragma once
// The text of the default error report: the message, with a period appended when its
// last byte sorts after "." (so always after a double-byte character).
#include <string>

std::string ErrorReportText(const std::string& message);
