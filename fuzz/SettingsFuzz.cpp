// Feeds arbitrary bytes through line splitting, validation, the header rewrite and the
// path rules, checking what must hold for every input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/HeaderLine.h"
#include "engine/LineList.h"
#include "platform/ShiftJisPath.h"

namespace {
void Check(bool condition) {
  if (!condition) std::abort();
}

// A header keeps its length, completed to its last option column.
size_t ExpectedHeaderLength(size_t l) { return l > 71 ? l : 71; }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const char* bytes = reinterpret_cast<const char*>(data);
  LineList lines;
  lines.AddText(bytes, size);
  size_t total = 0;
  for (int i = 0; i < lines.Count(); ++i) {
    const std::string& line = lines.Get(i);
    Check(line.find_first_of(std::string("\r\n\0", 3)) == std::string::npos);
    total += line.size();
  }
  Check(total <= size);

  if (lines.Count() > 0) {
    const Visibility shown = size % 2 == 0 ? Visibility::ShowNothing : Visibility::TrayIcon;
    ExecutableOptions options{shown, size % 3 == 0, size % 5 == 0, size % 7 == 0};
    const std::string& header = lines.Get(0);
    std::string rewritten = RewriteHeader(header, options);
    Check(rewritten.size() == ExpectedHeaderLength(header.size()));
    Check(RewriteHeader(rewritten, options) == rewritten);
    Check(OptionsInHeader(rewritten) == options);
  }

  std::string path(bytes, size);
  Check(FolderPart(path) + NamePart(path) == path);
  std::string proposed = ChangeExtension(NamePart(path), ".exe");
  Check(proposed.size() >= 4 && proposed.compare(proposed.size() - 4, 4, ".exe") == 0);
  // A plain file's name has a name part, and no name Windows would change is plain.
  if (NamesPlainFile(path)) Check(!NamePart(path).empty() && path.back() != '.' && path.back() != ' ');
  return 0;
}
