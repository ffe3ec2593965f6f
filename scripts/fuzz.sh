#!/bin/bash
# Builds the fuzz targets with clang and runs each for a while (default 60 s):
#   bash scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
for p in clang libclang-rt-14-dev; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    sudo_cmd=""; [ "$(id -u)" -eq 0 ] || sudo_cmd=sudo
    $sudo_cmd apt-get install -y -q --no-install-recommends "$p"
  fi
done
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZEP_FUZZ=ON -DZEP_SANITIZE=ON >/dev/null
mapfile -t targets < build/fuzz/fuzz/targets.txt
cmake --build build/fuzz --target "${targets[@]}"
for target in "${targets[@]}"; do
  mkdir -p "build/fuzz/corpus-$target"
  echo "fuzz: $target for ${seconds}s"
  "build/fuzz/fuzz/$target" -max_total_time="$seconds" -max_len=4096 "build/fuzz/corpus-$target"
done
