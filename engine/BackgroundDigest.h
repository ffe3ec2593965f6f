#pragma once
// A SHA-256 digest worked out on a thread of its own, so that hashing a file's bytes
// overlaps with the work that reads them. The first bytes are hashed at once, on the
// caller's thread: the thread starts only once more than kInlineDigestBytes came, so a
// small file costs no thread. Pieces are handed over whole and hashed in the order
// given; at most a few wait at any time, so memory stays flat.
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "cipher/Sha256.h"

inline constexpr uint64_t kInlineDigestBytes = 256 * 1024;

class BackgroundDigest {
 public:
  BackgroundDigest() = default;
  // Stops the thread; a digest not asked for is dropped.
  ~BackgroundDigest();
  BackgroundDigest(const BackgroundDigest&) = delete;
  BackgroundDigest& operator=(const BackgroundDigest&) = delete;

  // Hashes bytes, or queues them for the thread; waits while too many pieces wait already.
  void Add(std::vector<char> bytes);
  // The digest of everything added, as 64 lowercase hexadecimal digits, once hashed.
  std::string HexDigest();

 private:
  void HashPieces();

  // Hashed on the caller's thread until the thread starts, then on it alone.
  Sha256 digest_;
  uint64_t hashedInline_ = 0;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::vector<char>> waiting_;
  bool finished_ = false;
  std::thread worker_;
};
