#include "tests/conversion/FaultInjection.h"

#include <dlfcn.h>
#include <errno.h>
#include <unistd.h>

#include <cstdlib>
#include <new>

namespace {
struct FileFault {
  bool Armed = false;
  FailingFileCalls::Call Call = FailingFileCalls::Write;
  std::string PathPart;
} gFileFault;

struct AllocationFault {
  bool Armed = false;
  size_t MinimumSize = 0;
  int Skip = 0;
  bool Happened = false;
} gAllocationFault;

bool Hits(FailingFileCalls::Call call, int descriptor) {
  if (!gFileFault.Armed || gFileFault.Call != call) return false;
  char link[64], path[4096];
  std::snprintf(link, sizeof link, "/proc/self/fd/%d", descriptor);
  const ssize_t length = ::readlink(link, path, sizeof path - 1);
  return length > 0 &&
         std::string(path, static_cast<size_t>(length)).find(gFileFault.PathPart) != std::string::npos;
}

template <class Function>
Function Next(const char* name) {
  return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}
}  // namespace

FailingFileCalls::FailingFileCalls(Call call, std::string pathPart) {
  gFileFault = {true, call, std::move(pathPart)};
}

FailingFileCalls::~FailingFileCalls() { gFileFault = {}; }

FailingAllocation::FailingAllocation(size_t minimumSize, int skip) {
  gAllocationFault = {true, minimumSize, skip, false};
}

FailingAllocation::~FailingAllocation() { gAllocationFault.Armed = false; }

bool FailingAllocation::Happened() const { return gAllocationFault.Happened; }

extern "C" ssize_t write(int descriptor, const void* buffer, size_t count) {
  static const auto real = Next<ssize_t (*)(int, const void*, size_t)>("write");
  if (Hits(FailingFileCalls::Write, descriptor)) {
    errno = ENOSPC;
    return -1;
  }
  return real(descriptor, buffer, count);
}

extern "C" int close(int descriptor) {
  static const auto real = Next<int (*)(int)>("close");
  const bool fails = Hits(FailingFileCalls::Close, descriptor);
  const int result = real(descriptor);
  if (!fails) return result;
  errno = EIO;
  return -1;
}

void* operator new(size_t size) {
  AllocationFault& fault = gAllocationFault;
  if (fault.Armed && !fault.Happened && size >= fault.MinimumSize && fault.Skip-- == 0) {
    fault.Happened = true;
    throw std::bad_alloc();
  }
  if (void* memory = std::malloc(size ? size : 1)) return memory;
  throw std::bad_alloc();
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, size_t) noexcept { std::free(memory); }
