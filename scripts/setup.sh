#!/bin/bash
# Installs everything the builds, tests and demo need on Debian 12.
# Idempotent: when every package and the locale are present it only checks and returns.
set -euo pipefail

packages=(
  g++ cmake ninja-build make libgtest-dev libbenchmark-dev libssl-dev
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine wine64
  xvfb xauth xdotool imagemagick x11-apps locales fonts-ipafont-gothic fonts-wine python3
  clang libclang-rt-14-dev clang-format
  wixl msitools osslsigncode openssl
)
# Wine's 32-bit half serves the 32-bit Windows tests only, where the machine runs 32-bit
# programs; it cannot always be had (a mirror whose i386 index lags behind), and its
# absence only skips those tests.
optional_packages=(wine32:i386)

sudo_if_needed() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

is_installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

missing=() optional_missing=()
for p in "${packages[@]}"; do is_installed "$p" || missing+=("$p"); done
for p in "${optional_packages[@]}"; do is_installed "$p" || optional_missing+=("$p"); done

if [ ${#missing[@]} -gt 0 ] || [ ${#optional_missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]} ${optional_missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    sudo_if_needed dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  # A mirror in the middle of a sync serves index files of the wrong size for a while:
  # the update is tried again, and after the last try the install goes on with the
  # indexes that did arrive (it fails by itself when a package cannot be had).
  for attempt in 1 2 3; do
    if sudo_if_needed apt-get update -q; then break; fi
    if [ "$attempt" -eq 3 ]; then
      echo "setup: the package index is still incomplete; installing from what arrived"
      break
    fi
    echo "setup: the package index was not fetched whole; trying again in $((attempt * 10)) s"
    sleep $((attempt * 10))
  done
  if [ ${#missing[@]} -gt 0 ]; then
    sudo_if_needed apt-get install -y -q --no-install-recommends "${missing[@]}"
  fi
  if [ ${#optional_missing[@]} -gt 0 ] &&
     ! sudo_if_needed apt-get install -y -q --no-install-recommends "${optional_missing[@]}"; then
    echo "setup: ${optional_missing[*]} could not be installed; the 32-bit Windows tests will be skipped"
  fi
fi

# Wine's ANSI code page follows LANG; the locale must exist or texts are garbled
# on the way between Unix and Windows.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  echo "setup: generating ja_JP.UTF-8"
  sudo_if_needed sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | sudo_if_needed tee -a /etc/locale.gen >/dev/null
  sudo_if_needed locale-gen
fi
