#include "wizard/win/Tooltip.h"

#include <commctrl.h>

#include "common/Texts.h"
#include "wizard/win/SystemErrors.h"

void Tooltip::SetText(HWND control, const std::string& text) {
  if (!window_)
    window_ =
        CheckCreated(CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                     GetAncestor(control, GA_ROOT), nullptr, nullptr, nullptr),
                     Texts::kWindowNotCreated, TOOLTIPS_CLASSA);
  TOOLINFOA tool = {};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<char*>(text.c_str());
  SendMessageA(window_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageA(window_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}
