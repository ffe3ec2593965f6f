#!/bin/bash
# Shows the whole chain on this machine: builds the Windows programs, converts the
# bundled example settings file into an executable under Wine, and runs that
# executable, whose head (the demo player) reports the options and the line count it
# finds in the settings appended behind it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

build=build/win
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686-posix.cmake >/dev/null
cmake --build "$build" --target demo_convert runtime_file

wine_run() { cmake/wine-run.sh "$build/wineprefix" "$@"; }
windows_path() { printf 'Z:%s' "$(realpath "$1")" | tr / '\\'; }

# The example is converted in a folder of its own inside the build, so the
# repository stays clean; the executable is written beside the settings file.
demo=$build/demo
rm -rf "$demo" && mkdir -p "$demo"
cp examples/sample.zep "$demo/"
echo "== converting examples/sample.zep"
wine_run "$build/bin/demo_convert.exe" "$(windows_path "$demo/sample.zep")"
echo "== $demo/sample.exe: $(stat -c %s "$demo/sample.exe") bytes" \
     "(runtime $(stat -c %s "$build/bin/demo_player.exe") + settings file)"
echo "== running it"
wine_run "$demo/sample.exe"
