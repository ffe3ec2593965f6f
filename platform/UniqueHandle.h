#pragma once
// Ownership of a system handle: one template, with a traits type per kind of handle
// that names its "no handle" value and how it is released. The handle is released
// exactly once, on every path, when its owner goes.
//
//   struct TKeyTraits {
//     using Handle = HKEY;
//     static Handle Invalid() { return nullptr; }
//     static void Release(Handle key) { RegCloseKey(key); }
//   };
//   using TUniqueKey = TUniqueHandle<TKeyTraits>;
#include <utility>

template <class Traits>
class TUniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  TUniqueHandle() = default;
  explicit TUniqueHandle(Handle handle) : FHandle(handle) {}
  ~TUniqueHandle() { Reset(); }
  TUniqueHandle(TUniqueHandle&& other) noexcept : FHandle(other.Release()) {}
  TUniqueHandle& operator=(TUniqueHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  TUniqueHandle(const TUniqueHandle&) = delete;
  TUniqueHandle& operator=(const TUniqueHandle&) = delete;

  Handle Get() const { return FHandle; }
  explicit operator bool() const { return FHandle != Traits::Invalid(); }
  // Gives the handle up without releasing it.
  Handle Release() { return std::exchange(FHandle, Traits::Invalid()); }
  // Releases the handle held so far and takes handle instead.
  void Reset(Handle handle = Traits::Invalid()) {
    Handle previous = std::exchange(FHandle, handle);
    if (previous != Traits::Invalid()) Traits::Release(previous);
  }
  // Releases the handle held so far and hands out the place for a new one, for
  // functions that return a handle through a pointer.
  Handle* Receive() {
    Reset();
    return &FHandle;
  }

 private:
  Handle FHandle = Traits::Invalid();
};
