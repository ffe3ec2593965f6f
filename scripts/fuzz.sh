#!/bin/bash
# Builds the fuzz targets with clang (installed by scripts/setup.sh) and runs each,
# starting from its seeds in fuzz/corpus/<target>:
#   bash scripts/fuzz.sh [seconds]   each target for a while (default 60 s), growing
#                                    its corpus in build/fuzz/corpus/<target>
#   bash scripts/fuzz.sh --ci        each target for 5 s on a fresh scratch corpus
# New inputs and crash reproducers go under build/fuzz only; a crash fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = --ci ]; then
  seconds=5; corpus=build/fuzz/ci-corpus
  rm -rf "$corpus"
else
  seconds=${1:-60}; corpus=build/fuzz/corpus
fi
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZEP_FUZZ=ON -DZEP_SANITIZE=ON >/dev/null
mapfile -t targets < build/fuzz/fuzz/targets.txt
cmake --build build/fuzz --target "${targets[@]}"
mkdir -p build/fuzz/artifacts
for target in "${targets[@]}"; do
  mkdir -p "$corpus/$target"
  echo "fuzz: $target for ${seconds}s"
  # libFuzzer writes new inputs into the first folder only; the seeds are just read.
  "build/fuzz/fuzz/$target" -max_total_time="$seconds" -max_len=4096 \
    -artifact_prefix="build/fuzz/artifacts/$target-" "$corpus/$target" "fuzz/corpus/$target"
done
