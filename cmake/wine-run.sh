#!/bin/sh
# wine-run.sh PREFIX PROGRAM.exe [ARGS...]   runs a Windows program in the private prefix
# wine-run.sh PREFIX --start [DPI] | --stop  starts or stops that prefix's wineserver;
#                                            with DPI the screen resolution of the prefix
#                                            becomes DPI for the programs started after it
# wine-run.sh PREFIX --arch                  prints the prefix's architecture
#
# A prefix holds one architecture: win64 or win32, chosen by WINEARCH (default win64)
# when the prefix is made and read back from it afterwards. The matching loader and
# wineserver are called directly: Debian's `wine` wrapper takes the 32-bit loader
# whenever it is installed, also on machines that cannot run 32-bit programs.
set -e
WINEPREFIX=$(realpath -m "$1"); shift
export WINEPREFIX
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8        # ANSI code page 932
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"

made_for=$(sed -n 's/^#arch=//p' "$WINEPREFIX/system.reg" 2>/dev/null | head -n 1)
if [ -n "$made_for" ] && [ -n "${WINEARCH:-}" ] && [ "$made_for" != "$WINEARCH" ]; then
    echo "wine-run.sh: $WINEPREFIX is a $made_for prefix, not $WINEARCH: remove it to make it afresh" >&2
    exit 2
fi
WINEARCH=${made_for:-${WINEARCH:-win64}}
export WINEARCH
case "$WINEARCH" in
win64) loader=/usr/lib/wine/wine64; server=/usr/lib/wine/wineserver64 ;;
win32) loader=/usr/lib/wine/wine;   server=/usr/lib/wine/wineserver32 ;;
*) echo "wine-run.sh: unknown architecture $WINEARCH of $WINEPREFIX" >&2; exit 2 ;;
esac
export WINELOADER=$loader WINESERVER=$server
wine() { "$loader" "$@"; }
wineserver() { "$server" "$@"; }

if [ ! -e "$WINEPREFIX/.zep-ready" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    exec 9>"$WINEPREFIX.lock"; flock 9
    if [ ! -e "$WINEPREFIX/.zep-ready" ]; then
        wine wineboot -i </dev/null >/dev/null 2>&1
        # Without a window manager Wine waits ~2 s for every closed window unless it
        # draws the frames itself.
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
        # Wine has no "ＭＳ Ｐゴシック", the window's face; IPA P Gothic has the same
        # proportional metrics (without it Wine takes the fixed-pitch IPA Gothic).
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /d IPAPGothic /f \
            </dev/null >/dev/null 2>&1
        # The caption buttons are glyphs of Marlett. Debian's fonts-wine has it, but this
        # Wine does not look into that package's folder: a link in the prefix's own font
        # folder lets it find the face (without it the close box shows an "r").
        if [ -e /usr/share/wine/fonts/marlett.ttf ]; then
            ln -sf /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf"
        fi
        wineserver -w
        made=$(sed -n 's/^#arch=//p' "$WINEPREFIX/system.reg" 2>/dev/null | head -n 1)
        if [ "$made" != "$WINEARCH" ]; then
            echo "wine-run.sh: $loader could not make a $WINEARCH prefix in $WINEPREFIX" >&2
            exit 2
        fi
        touch "$WINEPREFIX/.zep-ready"
    fi
    exec 9>&-
fi
case "$1" in
--arch) echo "$WINEARCH"; exit 0 ;;
--start)
    # Wine's helper processes must not inherit ctest's pipes, or ctest waits for them.
    wineserver -k 2>/dev/null || true
    wineserver -w
    wineserver -p </dev/null >/dev/null 2>&1
    if [ -n "${2:-}" ]; then
        wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$2" /f </dev/null >/dev/null 2>&1
    fi
    wine cmd /c exit </dev/null >/dev/null 2>&1
    exit 0 ;;
--stop) wineserver -k 2>/dev/null || true; exit 0 ;;
esac
exec "$loader" "$@"
