#pragma once
// Handles of the system that are not windows or drawing objects, each owned by one
// UniqueHandle (Windows build only): registry keys and kernel objects.
#include <windows.h>

#include "platform/UniqueHandle.h"

struct RegistryKeyTraits {
  using Handle = HKEY;
  static Handle Invalid() { return nullptr; }
  static void Release(Handle key) { RegCloseKey(key); }
};
using RegistryKey = UniqueHandle<RegistryKeyTraits>;

// A kernel object such as a mutex or a process (files have File).
struct KernelObjectTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return nullptr; }
  static void Release(Handle object) { CloseHandle(object); }
};
using KernelObject = UniqueHandle<KernelObjectTraits>;

// A search of FindFirstFile, ended by FindClose.
struct FindHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static void Release(Handle search) { FindClose(search); }
};
using FindHandle = UniqueHandle<FindHandleTraits>;
