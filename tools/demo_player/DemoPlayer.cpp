// The demo player: a stand-in for the player runtime at the head of a generated
// executable. It finds the settings file appended behind its own image and reports
// the four option columns of the header line and the number of lines, so that tests
// and the demo can see what the conversion wrote.
//
// Exit codes: 0 settings found and valid, 1 own file unreadable, 2 nothing appended,
// 3 what is appended is not a settings file.
#include <windows.h>

#include <cstdio>
#include <string>

#include "engine/HeaderLine.h"
#include "engine/LineList.h"
#include "engine/PeImage.h"

namespace {
bool ReadOwnFile(std::string& bytes) {
  char path[MAX_PATH + 1];
  DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  if (length == 0 || length >= sizeof path) return false;
  std::FILE* file = std::fopen(path, "rb");
  if (!file) return false;
  char chunk[65536];
  size_t count;
  while ((count = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, count);
  const bool complete = !std::ferror(file);
  std::fclose(file);
  return complete && !bytes.empty();
}

void PrintColumn(const std::string& header, int column) {
  std::printf("column%d: %c\n", column, header[static_cast<size_t>(column) - 1]);
}
}  // namespace

int main() {
  std::string file;
  if (!ReadOwnFile(file)) {
    std::fprintf(stderr, "demo player: cannot read its own file\n");
    return 1;
  }
  PeImageLayout image;
  if (!ReadPeImage(file, file.size(), image) || image.ImageEnd >= file.size()) {
    std::fprintf(stderr, "demo player: no settings file attached\n");
    return 2;
  }
  LineList lines;
  const size_t imageEnd = static_cast<size_t>(image.ImageEnd);
  lines.AddText(file.data() + imageEnd, file.size() - imageEnd);
  if (lines.Count() == 0 || !HasHeaderMarker(lines.Get(0)) || lines.Get(0).size() < kCompleteHeaderLength) {
    std::fprintf(stderr, "demo player: the attachment is not a settings file\n");
    return 3;
  }
  const std::string& header = lines.Get(0);
  for (int column : {1, 57, 70, 71}) PrintColumn(header, column);
  std::printf("lines: %d\n", lines.Count());
  return 0;
}
