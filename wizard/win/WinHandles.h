#pragma once
// The handles of windows and drawing, owned by one UniqueHandle each: one traits type
// per kind names how it is released (the system's other handles are in
// platform/SystemHandles.h). A selection into a device context is no handle: its guard
// puts back what was selected before.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include "platform/UniqueHandle.h"

template <class H>
struct GdiObjectTraits {
  using Handle = H;
  static Handle Invalid() { return nullptr; }
  static void Release(Handle object) { DeleteObject(object); }
};
using FontHandle = UniqueHandle<GdiObjectTraits<HFONT>>;
using BitmapHandle = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using BrushHandle = UniqueHandle<GdiObjectTraits<HBRUSH>>;

// An icon loaded at a size of its own (not shared).
struct IconTraits {
  using Handle = HICON;
  static Handle Invalid() { return nullptr; }
  static void Release(Handle icon) { DestroyIcon(icon); }
};
using IconHandle = UniqueHandle<IconTraits>;

// A device context made with CreateCompatibleDC.
struct MemoryDcTraits {
  using Handle = HDC;
  static Handle Invalid() { return nullptr; }
  static void Release(Handle dc) { DeleteDC(dc); }
};
using MemoryDc = UniqueHandle<MemoryDcTraits>;

// A device context fetched with GetDC, given back to the window it was fetched for
// (nullptr: the screen).
struct WindowDcTraits {
  struct Handle {
    HWND Window;
    HDC Dc;
    bool operator!=(const Handle& other) const { return Dc != other.Dc; }
  };
  static Handle Invalid() { return {nullptr, nullptr}; }
  static void Release(Handle handle) { ReleaseDC(handle.Window, handle.Dc); }
};
class WindowDc : public UniqueHandle<WindowDcTraits> {
 public:
  explicit WindowDc(HWND window) : UniqueHandle({window, GetDC(window)}) {}
  HDC Dc() const { return Get().Dc; }
};

// The files of a drop onto a window, handed back to the system with DragFinish.
struct DroppedFilesTraits {
  using Handle = HDROP;
  static Handle Invalid() { return nullptr; }
  static void Release(Handle drop) { DragFinish(drop); }
};
using DroppedFilesHandle = UniqueHandle<DroppedFilesTraits>;

struct ImageListTraits {
  using Handle = HIMAGELIST;
  static Handle Invalid() { return nullptr; }
  static void Release(Handle list) { ImageList_Destroy(list); }
};
using ImageListHandle = UniqueHandle<ImageListTraits>;

// A top-level window the program made itself.
struct WindowTraits {
  using Handle = HWND;
  static Handle Invalid() { return nullptr; }
  static void Release(Handle window) { DestroyWindow(window); }
};
using WindowHandle = UniqueHandle<WindowTraits>;

// Selects an object into a device context for the life of the guard.
class SelectionGuard {
 public:
  SelectionGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectionGuard() { SelectObject(dc_, previous_); }
  SelectionGuard(const SelectionGuard&) = delete;
  SelectionGuard& operator=(const SelectionGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};
