#include "wizard/win/OpenFileDialog.h"

#include <commdlg.h>

#include <vector>

#include "wizard/SettingsPathText.h"

namespace {
constexpr DWORD kFileNameCapacity = 4096;

UINT_PTR CALLBACK PlacingHook(HWND hookDialog, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    // The window to place on comes in lCustData of the dialog's own structure.
    auto* dialog = reinterpret_cast<OPENFILENAMEA*>(lParam);
    SetWindowLongPtrA(hookDialog, DWLP_USER, static_cast<LONG_PTR>(dialog->lCustData));
  } else if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == CDN_INITDONE) {
    HWND dialog = GetParent(hookDialog);
    auto placeOn = reinterpret_cast<HWND>(GetWindowLongPtrA(hookDialog, DWLP_USER));
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(placeOn ? placeOn : dialog, MONITOR_DEFAULTTONEAREST), &monitor);
    RECT frame;
    GetWindowRect(dialog, &frame);
    POINT place =
        DialogPlaceOnMonitor(monitor.rcMonitor, {frame.right - frame.left, frame.bottom - frame.top});
    SetWindowPos(dialog, nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return 0;
}
}  // namespace

POINT DialogPlaceOnMonitor(const RECT& monitor, SIZE dialog) {
  return {monitor.left + (monitor.right - monitor.left - dialog.cx) / 2,
          monitor.top + (monitor.bottom - monitor.top - dialog.cy) / 3};
}

bool OpenFileDialog::Execute(HWND owner, HWND placeOn, std::string& path) {
  const BrowseStart start = BrowseStartFor(path, fileName_);
  std::vector<char> fileName(kFileNameCapacity, '\0');
  start.FileName.copy(fileName.data(), fileName.size() - 1);
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter_;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = fileName.data();
  dialog.nMaxFile = kFileNameCapacity;
  dialog.lpstrInitialDir = start.Folder.empty() ? nullptr : start.Folder.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_ENABLEHOOK;
  dialog.lpfnHook = PlacingHook;
  dialog.lCustData = reinterpret_cast<LPARAM>(placeOn);
  if (!GetOpenFileNameA(&dialog)) return false;
  fileName_ = fileName.data();
  path = fileName_;
  return true;
}
