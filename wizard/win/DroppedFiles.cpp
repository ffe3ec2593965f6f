#include "wizard/win/DroppedFiles.h"

#include "wizard/win/WinHandles.h"

std::string TakeFirstDroppedFile(HDROP drop) {
  const DroppedFilesHandle files(drop);
  std::string path;
  const UINT length = DragQueryFileA(files.Get(), 0, nullptr, 0);
  if (length > 0) {
    path.assign(length + 1, '\0');
    path.resize(DragQueryFileA(files.Get(), 0, &path[0], length + 1));
  }
  return path;
}
