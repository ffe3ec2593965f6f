#!/bin/bash
# Builds the package for Windows users in build/package: zepplay-<version>-win64.zip and
# the per-user installer zepplay-<version>-win64.msi for 64-bit Windows (the ones to
# offer first), and zepplay-<version>-win32.zip for 32-bit Windows. Each zip holds
# zepplay.exe, zepplayc.exe, Zepcom.dat (the demo runtime), the help pages (help/) when
# the build makes them, readme.txt (package/readme.txt in cp932 with CRLF, saying which
# Windows the zip is for) and LICENSE.txt; the installer installs the same files
# (package/make_package.py). The version is the one in the version resource of the
# built zepplay.exe.
#
# With ZEPPLAY_SIGN_CERT and ZEPPLAY_SIGN_KEY naming a PEM certificate (chain) and its
# unencrypted key, the programs and the installer are signed with osslsigncode and
# their signatures checked; without them everything is built unsigned, and it says so.
#
# Before it reports, each zip is unpacked into a folder named with 表, whose second
# byte is "\", and its zepplayc.exe converts examples/sample.zep there under Wine (the
# 32-bit zip's only where this machine runs 32-bit programs), and the installer's
# tables are checked against the 64-bit zip (tests/package/msi_tables_test.py).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
source scripts/windows.sh

out=build/package
rm -rf "$out" && mkdir -p "$out"

# Builds the programs of one architecture into build folder $1 and packs them; prints
# the paths made (package/make_package.py).
make_package() {  # build-folder architecture bits [installer]
  local build=$1 architecture=$2 bits=$3 installer=${4:-}
  configure_windows "$build" "$architecture"
  # The help pages come from whichever target the build has for them: one whose name
  # holds "help" (Ninja's own "help" aside) or the rule that makes the page. Once the
  # build has one, the package cannot go without the pages.
  local help_page=bin/help/zepplay.html help_targets targets
  help_targets=$(ninja -C "$build" -t targets all | sed -n 's/^\([^:/]*help[^:/]*\): phony$/\1/Ip')
  if ninja -C "$build" -t query "$help_page" >/dev/null 2>&1; then
    help_targets="$help_targets $help_page"
  fi
  targets="zepplay zepplayc runtime_file $help_targets ${installer:+zepplay_setup}"
  # shellcheck disable=SC2086  # one target per word
  cmake --build "$build" -j2 --target $targets >&2
  if [ -n "$help_targets" ] && [ ! -f "$build/$help_page" ]; then
    echo "package: the build has help targets ($help_targets) but made no $help_page" >&2
    exit 1
  fi
  python3 package/make_package.py "$build/bin" "$bits" "$out" ${installer:+"$build/bin/ZepplaySetup.dll"}
}

# The check: the programs unpacked into a folder whose name ends in a 5C trail byte
# convert the example with the prefix of their build, which is made for the build's
# architecture when it is missing (win64 or win32).
check_zip() {  # zip build-folder wine-architecture
  local zip=$1 build=$2 architecture=$3 check=$out/check/表 status=0
  rm -rf "$out/check" && mkdir -p "$check"
  python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])' "$zip" "$check"
  cp examples/sample.zep "$check/"
  windows_path() { printf 'Z:%s' "$(realpath "$1")" | tr / '\\'; }
  WINEARCH=$architecture cmake/wine-run.sh "$build/wineprefix" "$(windows_path "$check/zepplayc.exe")" \
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

signed() { [ -n "${ZEPPLAY_SIGN_CERT:-}" ]; }

# Checks the signature of a file against the certificate it was signed with.
verify_signature() {  # file
  if ! osslsigncode verify -CAfile "$ZEPPLAY_SIGN_CERT" -in "$1" >/dev/null; then
    echo "package: the signature of $1 does not verify" >&2
    exit 1
  fi
}

made64=$(make_package build/win x86_64 64 installer)
zip64=$(grep '\.zip$' <<<"$made64")
msi64=$(grep '\.msi$' <<<"$made64")
zip32=$(make_package build/win32 i686 32)
check_zip "$zip64" build/win win64
list_zip "$zip64"
echo "== checked: its zepplayc.exe converted examples/sample.zep in a folder named 表"
if can_run_32bit; then
  check_zip "$zip32" build/win32 win32
  list_zip "$zip32"
  echo "== checked: its zepplayc.exe converted examples/sample.zep in a folder named 表"
else
  list_zip "$zip32"
  echo "== not run: this machine runs 64-bit programs only"
fi
echo "== $msi64"
if ! python3 tests/package/msi_tables_test.py "$out" >"$out/check.out" 2>&1; then
  cat "$out/check.out" >&2
  exit 1
fi
rm -f "$out/check.out"
echo "== checked: its tables, against $(basename "$zip64")"
if signed; then
  for file in "$msi64" "$out"/stage-win*/zepplay.exe "$out"/stage-win*/zepplayc.exe; do
    verify_signature "$file"
  done
  echo "== signed: the programs and the installer, the signatures verified"
else
  echo "== unsigned: set ZEPPLAY_SIGN_CERT and ZEPPLAY_SIGN_KEY to sign"
fi
