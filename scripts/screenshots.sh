#!/bin/bash
# Takes the pictures of the four wizard pages shown in the README: the real main
# window under Wine on a virtual X display, one page at a time, filled in as after the
# conversion of C:\data\macro.zep. Writes docs/page0.png to docs/page3.png at 100 %
# (96 DPI) and docs/page0-150.png to docs/page3-150.png at 150 % (144 DPI); the prefix
# of the screenshot build is left at 96 DPI.
#
#   bash scripts/screenshots.sh
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/screenshots
if [ -z "${DISPLAY:-}" ]; then
  bash scripts/setup.sh
  source scripts/windows.sh
  configure_windows "$build" x86_64
  cmake --build "$build" --target zep_page_showcase >/dev/null
  exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi

wine=(cmake/wine-run.sh "$build/wineprefix")
showcase="$build/bin/zep_page_showcase.exe"
mkdir -p docs
# The X window of the main window, by its caption "Zephyr Player　v6.10".
find_window() {
  local tries
  for tries in $(seq 100); do
    if xdotool search --onlyvisible --name '^Zephyr Player.*v6\.10$' 2>/dev/null | head -1 | grep .; then
      return 0
    fi
    sleep 0.1
  done
  echo "screenshots: the main window did not appear" >&2
  return 1
}

# The four pages with the prefix at a screen resolution: shoot DPI FILE-SUFFIX.
shoot() {
  local page pid window
  "${wine[@]}" --start "$1"
  for page in 0 1 2 3; do
    "${wine[@]}" "$showcase" "$page" </dev/null >/dev/null 2>&1 &
    pid=$!
    window=$(find_window)
    sleep 1  # let the window paint itself
    import -window "$window" "docs/page$page$2.png"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "docs/page$page$2.png"
  done
}

shoot 96 ""
shoot 144 -150
"${wine[@]}" --start 96
"${wine[@]}" --stop
