#!/bin/bash
# Builds and runs every test: the native build, the native build under AddressSanitizer
# and UBSan, the Windows build under Wine (window and process tests on a virtual
# X display), and a short run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

run_native() {  # folder, extra cmake arguments...
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir"
  ctest --test-dir "$dir" --output-on-failure
}

run_native build/native -DCMAKE_BUILD_TYPE=Release
run_native build/sanitize -DCMAKE_BUILD_TYPE=Debug -DZEP_SANITIZE=ON

cmake -S . -B build/win -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686-posix.cmake >/dev/null
cmake --build build/win
xvfb-run -a -s "-screen 0 1024x768x24" ctest --test-dir build/win --output-on-failure

bash scripts/fuzz.sh --ci
