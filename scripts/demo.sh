#!/bin/bash
# Shows the whole chain on this machine: builds the Windows programs, converts the
# bundled example settings file into an executable with the silent run of zepplay.exe
# under Wine, and runs that executable, whose head (the demo player) reports the
# options and the line count it finds in the settings appended behind it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
source scripts/windows.sh

# The 64-bit programs, which every machine of today runs.
build=build/win
configure_windows "$build" x86_64
cmake --build "$build" --target zepplay runtime_file

wine_run() { cmake/wine-run.sh "$build/wineprefix" "$@"; }
windows_path() { printf 'Z:%s' "$(realpath "$1")" | tr / '\\'; }

# The example is converted in a folder of its own inside the build, so the
# repository stays clean; the executable is written beside the settings file.
demo=$build/demo
rm -rf "$demo" && mkdir -p "$demo"
cp examples/sample.zep "$demo/"
settings=$(windows_path "$demo/sample.zep")

# The silent run creates the (hidden) main window, so it needs an X display, a
# virtual one when there is none. Wine's server is started afresh with that display
# (one left from earlier, without a display, would be joined otherwise) and stopped
# before the display goes away.
echo "== zepplay.exe -s $settings"
silent_run='cmake/wine-run.sh "$1" --start; cmake/wine-run.sh "$1" "$2" -s "$3"; status=$?
  cmake/wine-run.sh "$1" --stop; echo "== exit code $status"; exit $status'
if [ -n "${DISPLAY:-}" ]; then
  bash -c "$silent_run" _ "$build/wineprefix" "$build/bin/zepplay.exe" "$settings"
else
  xvfb-run -a -s "-screen 0 1024x768x24" \
    bash -c "$silent_run" _ "$build/wineprefix" "$build/bin/zepplay.exe" "$settings"
fi

runtime_size=$(stat -c %s "$build/bin/demo_player.exe")
echo "== $demo/sample.exe: $(stat -c %s "$demo/sample.exe") bytes" \
     "(runtime $runtime_size + settings file $(stat -c %s "$demo/sample.zep"))"
echo "== its header line after the runtime (columns 1, 57, 70 and 71 carry the options)"
tail -c +$((runtime_size + 1)) "$demo/sample.exe" | head -n 1 | iconv -f CP932 -t UTF-8 | tr -d '\r'
echo "== running it (the options are those zepplay.exe remembers; all on at first)"
wine_run "$demo/sample.exe"
