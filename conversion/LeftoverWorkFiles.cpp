#include "conversion/LeftoverWorkFiles.h"

#include "platform/File.h"

namespace {
constexpr const char* kWorkFileNames[] = {"Player.dat", "Attach.zep"};
}  // namespace

bool RemoveLeftoverWorkFiles(const std::string& folder) {
  bool allGone = true;
  for (const char* name : kWorkFileNames) {
    const std::string path = folder + name;
    platform::RemoveFile(path);
    allGone = allGone && !platform::FileExists(path);
  }
  return allGone;
}
