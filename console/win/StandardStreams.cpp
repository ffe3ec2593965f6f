#include "console/win/StandardStreams.h"

#include <windows.h>

#include "platform/ForeignCharacters.h"
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

// Writes text to a console as the characters they are; false, with written telling how
// many went out, when the console refuses the rest.
bool WriteToConsole(HANDLE handle, const std::wstring& text, size_t& written) {
  written = 0;
  while (written < text.size()) {
    DWORD done = 0;
    if (!WriteConsoleW(handle, text.data() + written, static_cast<DWORD>(text.size() - written), &done,
                       nullptr) ||
        done == 0)
      return false;
    written += done;
  }
  return true;
}

// cp932 text as it stands, each character cp932 lacks as "?".
std::string WithForeignAsQuestionMarks(const std::string& text) {
  std::string bytes;
  bool lost = false;
  for (const TextRun& run : TextRuns(text))
    bytes += run.Foreign ? Narrow(std::wstring(run.Units.begin(), run.Units.end()), kTextCodePage, &lost)
                         : run.Bytes;
  return bytes;
}
}  // namespace

void StandardStreams::Write(ConsoleStream stream, const std::string& text) {
  HANDLE handle = GetStdHandle(stream == ConsoleStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE || text.empty()) return;
  const UINT consoleCodePage = GetConsoleOutputCP();  // 0 without a console
  const UINT codePage = consoleCodePage == 0 ? kTextCodePage : consoleCodePage;
  DWORD mode = 0;
  if (GetConsoleMode(handle, &mode)) {
    const std::wstring wide = WidenKeepingForeign(text, kTextCodePage);
    size_t written = 0;
    // What the console would not take goes on as bytes, which a console also shows.
    if (!WriteToConsole(handle, wide, written)) WriteAll(handle, Narrow(wide.substr(written), codePage));
    return;
  }
  WriteAll(handle, codePage == kTextCodePage ? WithForeignAsQuestionMarks(text)
                                             : Narrow(WidenKeepingForeign(text, kTextCodePage), codePage));
}
