#include "engine/BackgroundDigest.h"

#include <utility>

namespace {
constexpr size_t kMostWaitingPieces = 4;
}  // namespace

BackgroundDigest::~BackgroundDigest() {
  if (!worker_.joinable()) return;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    finished_ = true;
    waiting_.clear();
  }
  changed_.notify_all();
  worker_.join();
}

void BackgroundDigest::Add(std::vector<char> bytes) {
  if (!worker_.joinable()) {
    if (bytes.size() <= kInlineDigestBytes - hashedInline_) {
      digest_.Add(bytes.data(), bytes.size());
      hashedInline_ += bytes.size();
      return;
    }
    worker_ = std::thread(&BackgroundDigest::HashPieces, this);
  }
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [&] { return waiting_.size() < kMostWaitingPieces; });
  waiting_.push_back(std::move(bytes));
  changed_.notify_all();
}

std::string BackgroundDigest::HexDigest() {
  if (worker_.joinable()) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      finished_ = true;
    }
    changed_.notify_all();
    worker_.join();
  }
  return digest_.HexDigest();
}

void BackgroundDigest::HashPieces() {
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
    digest_.Add(piece.data(), piece.size());
  }
}
