#pragma once
// A SHA-256 digest worked out on a thread of its own, so that hashing a file's bytes
// overlaps with the work that reads them. Pieces are handed over whole and hashed in
// the order given; at most a few wait at any time, so memory stays flat.
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class BackgroundDigest {
 public:
  BackgroundDigest();
  // Stops the thread; a digest not asked for is dropped.
  ~BackgroundDigest();
  BackgroundDigest(const BackgroundDigest&) = delete;
  BackgroundDigest& operator=(const BackgroundDigest&) = delete;

  // Queues bytes for hashing; waits while too many pieces wait already.
  void Add(std::vector<char> bytes);
  // The digest of everything added, as 64 lowercase hexadecimal digits, once hashed.
  std::string HexDigest();

 private:
  void HashPieces();

  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::vector<char>> waiting_;
  bool finished_ = false;
  std::string digest_;
  std::thread worker_;
};
