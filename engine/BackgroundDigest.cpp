#include "engine/BackgroundDigest.h"

#include <utility>

#include "cipher/Sha256.h"

namespace {
constexpr size_t kMostWaitingPieces = 4;
}  // namespace

BackgroundDigest::BackgroundDigest() : worker_(&BackgroundDigest::HashPieces, this) {}

BackgroundDigest::~BackgroundDigest() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    finished_ = true;
    waiting_.clear();
  }
  changed_.notify_all();
  if (worker_.joinable()) worker_.join();
}

void BackgroundDigest::Add(std::vector<char> bytes) {
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [&] { return waiting_.size() < kMostWaitingPieces; });
  waiting_.push_back(std::move(bytes));
  changed_.notify_all();
}

std::string BackgroundDigest::HexDigest() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    finished_ = true;
  }
  changed_.notify_all();
  worker_.join();
  return digest_;
}

void BackgroundDigest::HashPieces() {
  Sha256 digest;
  for (;;) {
    std::vector<char> piece;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      changed_.wait(lock, [&] { return finished_ || !waiting_.empty(); });
      if (waiting_.empty()) break;
      piece = std::move(waiting_.front());
      waiting_.pop_front();
    }
    changed_.notify_all();
    digest.Add(piece.data(), piece.size());
  }
  digest_ = digest.HexDigest();
}
