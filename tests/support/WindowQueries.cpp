#include "tests/support/WindowQueries.h"

#include <vector>

#include "tests/support/WaitFor.h"

namespace {
const UINT kWaitMilliseconds = static_cast<UINT>(kWaitDeadline.count());
}  // namespace

// Asked by WM_GETTEXT: GetWindowText gives only the caption a control of another
// process was made with, not what its edit box holds now.
std::string TextOf(HWND window) {
  DWORD_PTR length = 0;
  SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kWaitMilliseconds, &length);
  std::vector<char> text(length + 1, '\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, kWaitMilliseconds, &copied);
  return std::string(text.data(), copied);
}

std::string ClassNameOf(HWND window) {
  char name[256] = {};
  const int length = GetClassNameA(window, name, sizeof name);
  return std::string(name, static_cast<size_t>(length > 0 ? length : 0));
}

LOGFONTA FontOf(HWND window) {
  LOGFONTA font = {};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font;
}
