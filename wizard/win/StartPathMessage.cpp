#include "wizard/win/StartPathMessage.h"

#include <algorithm>

#include "platform/File.h"

namespace {
// Tells the data apart from any other program's WM_COPYDATA.
constexpr ULONG_PTR kStartPathData = 0x5A505354;
// A wizard that does not take the path in this time is hung: the start goes on without it.
constexpr UINT kSendTimeoutMilliseconds = 5000;
// At most two bytes for each character of the longest path.
constexpr DWORD kLongestPathBytes = 2 * platform::kLongestPath;
}  // namespace

void SendStartPath(HWND mainWindow, const std::string& path) {
  COPYDATASTRUCT data = {kStartPathData, static_cast<DWORD>(path.size()), const_cast<char*>(path.data())};
  SendMessageTimeoutA(mainWindow, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                      kSendTimeoutMilliseconds, nullptr);
}

bool ReceivedStartPath(const COPYDATASTRUCT& data, std::string& path) {
  if (data.dwData != kStartPathData || data.lpData == nullptr || data.cbData == 0 ||
      data.cbData > kLongestPathBytes)
    return false;
  const char* bytes = static_cast<const char*>(data.lpData);
  if (std::any_of(bytes, bytes + data.cbData,
                  [](char byte) { return static_cast<unsigned char>(byte) < 0x20; }))
    return false;
  path.assign(bytes, data.cbData);
  return true;
}
