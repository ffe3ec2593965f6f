# Shared by the scripts that build and run the Windows programs; sourced, not run.
#
#   configure_windows FOLDER ARCH   configures a Release build of the Windows programs
#                                   in FOLDER for ARCH (x86_64 or i686)
#   can_run_32bit                   true when this machine runs 32-bit programs: it
#                                   runs Wine's 32-bit loader and looks at the answer
#                                   (machines that run 64-bit code only refuse it
#                                   with "Exec format error")
#   why_no_32bit                    the reason, in words, when can_run_32bit is false

configure_windows() {
  cmake -S . -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-$2-posix.cmake" >/dev/null
}

can_run_32bit() {
  /usr/lib/wine/wine --version 2>/dev/null | grep -q '^wine-'
}

why_no_32bit() {
  if [ ! -e /usr/lib/wine/wine ]; then
    echo "Wine's 32-bit loader (wine32) is not installed"
  else
    echo "this machine runs 64-bit programs only"
  fi
}
