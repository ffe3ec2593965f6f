#!/bin/bash
# Takes the pictures of the four wizard pages shown in the README and of the properties
# dialog: the real main window under Wine on a virtual X display, one page at a time,
# filled in as after the conversion of C:\data\macro.zep, and the dialog over page 2
# with the program's own icon chosen as C:\data\macro.ico. Writes docs/page0.png to
# docs/page3.png and docs/properties.png at 100 % (96 DPI), and the same with "-150" at
# 150 % (144 DPI); the prefix of the screenshot build is left at 96 DPI.
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
# The X window whose name matches the pattern, the caption of the window.
find_window() {
  local tries
  for tries in $(seq 100); do
    if xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 | grep .; then
      return 0
    fi
    sleep 0.1
  done
  echo "screenshots: no window $1 appeared" >&2
  return 1
}

# Runs the showcase with an argument and takes the window of the caption: snap ARGUMENT
# CAPTION-PATTERN FILE.
snap() {
  local pid window
  "${wine[@]}" "$showcase" "$1" </dev/null >/dev/null 2>&1 &
  pid=$!
  window=$(find_window "$2")
  sleep 1  # let the window paint itself
  import -window "$window" "$3"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "$3"
}

# The pages and the dialog with the prefix at a screen resolution: shoot DPI FILE-SUFFIX.
shoot() {
  local page
  "${wine[@]}" --start "$1"
  for page in 0 1 2 3; do
    snap "$page" '^Zephyr Player.*v6\.10$' "docs/page$page$2.png"
  done
  snap properties '^実行ファイルのプロパティ$' "docs/properties$2.png"
}

"${wine[@]}" --start 96  # makes the prefix, whose drive C: gets the icon
mkdir -p "$build/wineprefix/drive_c/data"
cp "$build/resources/Zepplay.ico" "$build/wineprefix/drive_c/data/macro.ico"
shoot 96 ""
shoot 144 -150
"${wine[@]}" --start 96
"${wine[@]}" --stop
