#include "wizard/win/DroppedFiles.h"

std::string TakeFirstDroppedFile(HDROP drop) {
  std::string path;
  const UINT length = DragQueryFileA(drop, 0, nullptr, 0);
  if (length > 0) {
    path.assign(length + 1, '\0');
    path.resize(DragQueryFileA(drop, 0, &path[0], length + 1));
  }
  DragFinish(drop);
  return path;
}
