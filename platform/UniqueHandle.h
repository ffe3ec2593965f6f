#pragma once
// Ownership of a system handle: one template, with a traits type per kind of handle
// that names its "no handle" value and how it is released. The handle is released
// exactly once, on every path, when its owner goes.
//
//   struct KeyTraits {
//     using Handle = HKEY;
//     static Handle Invalid() { return nullptr; }
//     static void Release(Handle key) { RegCloseKey(key); }
//   };
//   using UniqueKey = UniqueHandle<KeyTraits>;
#include <utility>

template <class Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  ~UniqueHandle() { Reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != Traits::Invalid(); }
  // Gives the handle up without releasing it.
  Handle Release() { return std::exchange(handle_, Traits::Invalid()); }
  // Releases the handle held so far and takes handle instead.
  void Reset(Handle handle = Traits::Invalid()) {
    Handle previous = std::exchange(handle_, handle);
    if (previous != Traits::Invalid()) Traits::Release(previous);
  }
  // Releases the handle held so far and hands out the place for a new one, for
  // functions that return a handle through a pointer.
  Handle* Receive() {
    Reset();
    return &handle_;
  }

 private:
  Handle handle_ = Traits::Invalid();
};
