#!/bin/bash
# Builds and runs every test: the native build, the native build under AddressSanitizer
# and UBSan, the 64-bit Windows build under Wine (window and process tests on a virtual
# X display), the 32-bit Windows build (its tests run where this machine can run
# 32-bit programs), and a short run of every fuzz target. First it checks that every
# source keeps the style of .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
source scripts/windows.sh

# Names every source that clang-format would change, and fails when there is one.
check_format() {
  local unformatted=() file
  while IFS= read -r file; do
    clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
  done < <(git ls-files '*.cpp' '*.h' 2>/dev/null ||
           find . -path ./build -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
  if [ ${#unformatted[@]} -gt 0 ]; then
    echo "not in the style of .clang-format (clang-format -i FILE...):"
    printf '  %s\n' "${unformatted[@]}"
    return 1
  fi
}

run_native() {  # folder, extra cmake arguments...
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir"
  ctest --test-dir "$dir" --output-on-failure
}

run_windows_tests() {  # folder
  xvfb-run -a -s "-screen 0 1024x768x24" ctest --test-dir "$1" --output-on-failure
}

check_format
run_native build/native -DCMAKE_BUILD_TYPE=Release
run_native build/sanitize -DCMAKE_BUILD_TYPE=Debug -DZEP_SANITIZE=ON

configure_windows build/win x86_64
cmake --build build/win
run_windows_tests build/win

configure_windows build/win32 i686
cmake --build build/win32
if can_run_32bit; then
  run_windows_tests build/win32
else
  echo "32-bit Windows tests skipped: $(why_no_32bit)"
fi

bash scripts/fuzz.sh --ci
