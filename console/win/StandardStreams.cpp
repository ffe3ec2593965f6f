#include "console/win/StandardStreams.h"

#include <windows.h>

#include "platform/WideText.h"

namespace {
constexpr UINT kTextCodePage = 932;

void WriteAll(HANDLE handle, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD written = 0;
    if (!WriteFile(handle, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &written, nullptr) ||
        written == 0)
      return;  // a closed pipe: the exit code still tells the outcome
    done += written;
  }
}
}  // namespace

void StandardStreams::Write(ConsoleStream stream, const std::string& text) {
  HANDLE handle = GetStdHandle(stream == ConsoleStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE || text.empty()) return;
  DWORD mode = 0;
  if (GetConsoleMode(handle, &mode)) {
    const std::wstring wide = Widen(text, kTextCodePage);
    DWORD written = 0;
    WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
  const UINT codePage = GetConsoleOutputCP();  // 0 without a console
  const bool asTheyAre = codePage == 0 || codePage == kTextCodePage;
  WriteAll(handle, asTheyAre ? text : Narrow(Widen(text, kTextCodePage), codePage));
}
