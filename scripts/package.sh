#!/bin/bash
# Builds the zips for Windows users in build/package: zepplay-<version>-win64.zip for
# 64-bit Windows (the one to offer first) and zepplay-<version>-win32.zip for 32-bit
# Windows. Each holds zepplay.exe, zepplayc.exe, Zepcom.dat (the demo runtime), the
# help pages (help/) when the build makes them, and readme.txt (package/readme.txt in
# cp932 with CRLF, saying which Windows the zip is for). The version is the one in the
# version resource of the built zepplay.exe. Before it reports, each zip is unpacked
# into a folder named with 表, whose second byte is "\", and its zepplayc.exe converts
# examples/sample.zep there under Wine: the 32-bit zip's only where this machine runs
# 32-bit programs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
source scripts/windows.sh

out=build/package
rm -rf "$out" && mkdir -p "$out"

# Builds the programs of one architecture into build folder $1 and prints the path of
# the zip made from them.
make_zip() {  # build-folder architecture bits
  local build=$1 architecture=$2 bits=$3
  configure_windows "$build" "$architecture"
  # The help pages come from whichever target the build has for them: one whose name
  # holds "help" (Ninja's own "help" aside) or the rule that makes the page. Once the
  # build has one, the package cannot go without the pages.
  local help_page=bin/help/zepplay.html help_targets
  help_targets=$(ninja -C "$build" -t targets all | sed -n 's/^\([^:/]*help[^:/]*\): phony$/\1/Ip')
  if ninja -C "$build" -t query "$help_page" >/dev/null 2>&1; then
    help_targets="$help_targets $help_page"
  fi
  # shellcheck disable=SC2086  # one target per word
  cmake --build "$build" -j2 --target zepplay zepplayc runtime_file $help_targets >&2
  if [ -n "$help_targets" ] && [ ! -f "$build/$help_page" ]; then
    echo "package: the build has help targets ($help_targets) but made no $help_page" >&2
    exit 1
  fi
  python3 - "$build/bin" "$out" package/readme.txt "$bits" <<'PY'
import os, struct, sys, zipfile

bin_dir, out_dir, readme, bits = sys.argv[1:]

# VS_FIXEDFILEINFO starts with its signature; the file version follows the structure
# version: major.minor in the high word pair, build.revision in the low one.
image = open(os.path.join(bin_dir, "zepplay.exe"), "rb").read()
info = image.find(struct.pack("<I", 0xFEEF04BD))
if info < 0:
    sys.exit("package: zepplay.exe has no version resource")
high, low = struct.unpack_from("<II", image, info + 8)
parts = [high >> 16, high & 0xFFFF, low >> 16, low & 0xFFFF]
while len(parts) > 2 and parts[-1] == 0:
    parts.pop()
version = ".".join(map(str, parts))

text = open(readme, encoding="utf-8").read().replace("@VERSION@", version).replace("@BITS@", bits)
path = os.path.join(out_dir, "zepplay-%s-win%s.zip" % (version, bits))
with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as archive:
    for name in ("zepplay.exe", "zepplayc.exe", "Zepcom.dat"):
        archive.write(os.path.join(bin_dir, name), name)
    help_dir = os.path.join(bin_dir, "help")
    if os.path.isdir(help_dir):
        for name in sorted(os.listdir(help_dir)):
            archive.write(os.path.join(help_dir, name), "help/" + name)
    archive.writestr("readme.txt", text.replace("\n", "\r\n").encode("cp932"))
print(path)
PY
}

# The check: the programs unpacked into a folder whose name ends in a 5C trail byte
# convert the example with the prefix of their build.
check_zip() {  # zip build-folder
  local zip=$1 build=$2 check=$out/check/表 status=0
  rm -rf "$out/check" && mkdir -p "$check"
  python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])' "$zip" "$check"
  cp examples/sample.zep "$check/"
  windows_path() { printf 'Z:%s' "$(realpath "$1")" | tr / '\\'; }
  cmake/wine-run.sh "$build/wineprefix" "$(windows_path "$check/zepplayc.exe")" \
    "$(windows_path "$check/sample.zep")" >"$out/check.out" 2>"$out/check.err" || status=$?
  if [ "$status" -ne 0 ] || [ ! -s "$check/sample.exe" ]; then
    echo "package: zepplayc.exe of $zip in $check failed with exit code $status:" >&2
    iconv -f CP932 -t UTF-8 "$out/check.err" >&2 || true
    exit 1
  fi
  rm -rf "$out/check" "$out/check.out" "$out/check.err"
}

list_zip() {  # zip
  echo "== $1"
  python3 -c 'import sys, zipfile; [print("  %8d  %s" % (i.file_size, i.filename)) for i in zipfile.ZipFile(sys.argv[1]).infolist()]' "$1"
}

zip64=$(make_zip build/win x86_64 64)
zip32=$(make_zip build/win32 i686 32)
check_zip "$zip64" build/win
list_zip "$zip64"
echo "== checked: its zepplayc.exe converted examples/sample.zep in a folder named 表"
if can_run_32bit; then
  check_zip "$zip32" build/win32
  list_zip "$zip32"
  echo "== checked: its zepplayc.exe converted examples/sample.zep in a folder named 表"
else
  list_zip "$zip32"
  echo "== not run: this machine runs 64-bit programs only"
fi
