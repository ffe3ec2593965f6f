#pragma once
// Failures that real files and real memory produce only rarely, on demand, for the
// native test program that links this file: a disk that fills up, a close that fails,
// memory that runs out. The C library's write and close and the global operator new
// are replaced in the program; while nothing is armed they behave as usual.
#include <cstddef>
#include <string>

// While alive, write (ENOSPC: the disk is full) or close (EIO, after closing) fails
// for every file whose path contains pathPart.
class FailingFileCalls {
 public:
  enum Call { Write, Close };
  FailingFileCalls(Call call, std::string pathPart);
  ~FailingFileCalls();
  FailingFileCalls(const FailingFileCalls&) = delete;
  FailingFileCalls& operator=(const FailingFileCalls&) = delete;
};

// While alive, the allocation of at least minimumSize bytes that comes after skip
// others of that size throws std::bad_alloc; smaller ones and the others succeed.
class FailingAllocation {
 public:
  FailingAllocation(size_t minimumSize, int skip);
  ~FailingAllocation();
  FailingAllocation(const FailingAllocation&) = delete;
  FailingAllocation& operator=(const FailingAllocation&) = delete;
  // True once the allocation has failed.
  bool Happened() const;
};
