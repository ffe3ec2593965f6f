#!/bin/bash
# Builds the fuzz targets with clang (installed by scripts/setup.sh) and runs each for a
# while (default 60 s):
#   bash scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZEP_FUZZ=ON -DZEP_SANITIZE=ON >/dev/null
mapfile -t targets < build/fuzz/fuzz/targets.txt
cmake --build build/fuzz --target "${targets[@]}"
for target in "${targets[@]}"; do
  mkdir -p "build/fuzz/corpus-$target"
  echo "fuzz: $target for ${seconds}s"
  "build/fuzz/fuzz/$target" -max_total_time="$seconds" -max_len=4096 "build/fuzz/corpus-$target"
done
