#include "wizard/StartArguments.h"

bool AsksForSilentRun(const std::vector<std::string>& arguments) {
  return !arguments.empty() && arguments[0] == "-s";
}

std::string SilentRunPath(const std::vector<std::string>& arguments) {
  return arguments.size() > 1 ? arguments[1] : std::string();
}

std::string StartPath(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return {};
  const std::string& first = arguments[0];
  const bool isSwitch = !first.empty() && (first[0] == '-' || first[0] == '/');
  return isSwitch ? std::string() : first;
}
