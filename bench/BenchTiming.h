#pragma once
// Timing helpers for the benchmark programs, which print one figure per line as
// `name: value` so that scripts can collect them.
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

// Runs each piece of work in turn, runs times over, and returns the best time of
// each in seconds. Taking turns spreads any disturbance by other processes over all
// of them, and the best run is the least disturbed one.
inline std::vector<double> BestSecondsEach(int runs, const std::vector<std::function<void()>>& works) {
  std::vector<double> best(works.size(), 0);
  for (int run = 0; run < runs; ++run) {
    for (size_t i = 0; i < works.size(); ++i) {
      auto start = std::chrono::steady_clock::now();
      works[i]();
      double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      if (run == 0 || seconds < best[i]) best[i] = seconds;
    }
  }
  return best;
}

inline double MegabytesPerSecond(double bytes, double seconds) { return bytes / 1e6 / seconds; }

inline void PrintFigure(const char* name, double value) {
  std::printf("%s: %.2f\n", name, value);
  std::fflush(stdout);
}
