#include "console/win/StandardStreams.h"

#include <windows.h>

namespace {
constexpr UINT kTextCodePage = 932;

std::wstring Widen(const std::string& text) {
  const int length = static_cast<int>(text.size());
  const int size = MultiByteToWideChar(kTextCodePage, 0, text.data(), length, nullptr, 0);
  std::wstring wide(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(kTextCodePage, 0, text.data(), length, &wide[0], size);
  return wide;
}

std::string Narrow(const std::wstring& wide, UINT codePage) {
  const int length = static_cast<int>(wide.size());
  const int size =
      WideCharToMultiByte(codePage, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), length, &bytes[0], size, nullptr, nullptr);
  return bytes;
}

void WriteAll(HANDLE handle, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD written = 0;
    if (!WriteFile(handle, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &written,
                   nullptr) ||
        written == 0)
      return;  // a closed pipe: the exit code still tells the outcome
    done += written;
  }
}
}  // namespace

void StandardStreams::Write(ConsoleStream stream, const std::string& text) {
  HANDLE handle =
      GetStdHandle(stream == ConsoleStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE || text.empty()) return;
  DWORD mode = 0;
  if (GetConsoleMode(handle, &mode)) {
    const std::wstring wide = Widen(text);
    DWORD written = 0;
    WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
  const UINT codePage = GetConsoleOutputCP();  // 0 without a console
  const bool asTheyAre = codePage == 0 || codePage == kTextCodePage;
  WriteAll(handle, asTheyAre ? text : Narrow(Widen(text), codePage));
}
