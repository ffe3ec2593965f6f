#!/bin/bash
# Runs the benchmarks and prints every figure as a line `name: value`.
# It builds what it needs: a native Release build in build/bench and a Windows
# build in build/bench-win (64-bit), whose programs run under Wine in that folder's prefix.
#
#   bash scripts/bench.sh              every section
#   bash scripts/bench.sh cipher ...   the named sections only
#
# A section is a function section_NAME that builds its programs and prints its
# figures; list its NAME in SECTIONS to run it by default.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/windows.sh

NATIVE=build/bench
WINDOWS=build/bench-win
SECTIONS=(cipher conversion)

build_native() {  # targets...
  cmake -S . -B "$NATIVE" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$NATIVE" --target "$@" >/dev/null
}

build_windows() {  # targets...
  configure_windows "$WINDOWS" x86_64
  cmake --build "$WINDOWS" --target "$@" >/dev/null
}

# Runs a Windows program under Wine. Its output goes through a file, because Wine's
# helper processes would hold a pipe open after the program has ended.
run_windows() {  # program.exe args...
  local wine=(cmake/wine-run.sh "$WINDOWS/wineprefix") log status=0
  log=$(mktemp)
  "${wine[@]}" --start
  "${wine[@]}" "$@" </dev/null >"$log" || status=$?
  "${wine[@]}" --stop
  cat "$log"
  rm -f "$log"
  return "$status"
}

# Puts the section's name in front of every figure.
label() { sed "s/^/$1_/"; }

# A folder for scratch files in memory when there is one, so that the file figures
# measure the program rather than the disk.
scratch_folder() {
  if [ -d /dev/shm ] && [ -w /dev/shm ]; then echo /dev/shm; else echo "${TMPDIR:-/tmp}"; fi
}

section_cipher() {
  build_native blowfish_bench
  build_windows blowfish_bench
  "$NATIVE/bench/blowfish_bench" "$(scratch_folder)" | label cipher_native
  run_windows "$WINDOWS/bin/blowfish_bench.exe" | label cipher_windows
}

# The console's commands on an executable: converting a 200 KB settings file with an
# 8 MiB runtime and inspecting the result, against two baselines of the same run (our own
# Blowfish deciphering the runtime into memory plus a copy of the settings, and OpenSSL
# doing the same), and the peak memory of convert, inspect, extract and update for 8 and
# 64 MiB runtimes and of inspect, extract and update on two 2 GiB sparse executables, each
# in a fresh process.
section_conversion() {
  build_native conversion_bench
  TMPDIR=$(scratch_folder) "$NATIVE/bench/conversion_bench" | label conversion
}

sections=("$@")
[ ${#sections[@]} -gt 0 ] || sections=("${SECTIONS[@]}")
for name in "${sections[@]}"; do
  "section_$name"
done
