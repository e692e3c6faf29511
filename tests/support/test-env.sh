# Shared settings of every Wine run of the tests; sourced, not executed.
# PELACONF_TEST_ROOT (default: build/test-run under the source tree) holds the prefix and the locale.
pelaconf_source_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export PELACONF_TEST_ROOT=${PELACONF_TEST_ROOT:-$pelaconf_source_root/build/test-run}
export WINEPREFIX=${WINEPREFIX:-$PELACONF_TEST_ROOT/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export LOCPATH=${LOCPATH:-$PELACONF_TEST_ROOT/locale}
# The locale Wine runs with: Japanese (code page 932) unless a test asks for another, such as
# C.UTF-8 (code page 1252) or hi_IN.UTF-8, which has no ANSI code page, so that Wine gives it
# 65001 (UTF-8). Without the locale Wine still reports the code page but decodes non-ASCII
# arguments and file names wrongly; it is made without root into the test run's folder.
pelaconf_wine_locale=${PELACONF_LC_ALL:-ja_JP.UTF-8}
pelaconf_make_locale() {
    case $1 in C.* | POSIX) return ;; esac
    if [ ! -d "$LOCPATH/$1" ]; then
        mkdir -p "$LOCPATH"
        localedef -i "${1%%.*}" -f UTF-8 "$LOCPATH/$1.tmp$$" 2>/dev/null &&
            mv -T "$LOCPATH/$1.tmp$$" "$LOCPATH/$1" 2>/dev/null
        rm -rf "$LOCPATH/$1.tmp$$"
    fi
}
pelaconf_make_locale ja_JP.UTF-8
pelaconf_make_locale "$pelaconf_wine_locale"

# Wine with the test locale (set for Wine only: this shell cannot load a locale from LOCPATH).
pelaconf_wine() { env LC_ALL="$pelaconf_wine_locale" /usr/lib/wine/wine64 "$@"; }

# Makes the prefix once per test run (concurrent callers wait on one lock) and keeps one
# wineserver running while programs come and go, which saves seconds per test program.
# A failed set-up prints Wine's own output and leaves no ready mark, so the next caller tries again.
pelaconf_ensure_wine_prefix() {
    mkdir -p "$PELACONF_TEST_ROOT"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.pelaconf-ready" ]; then
            local log="$PELACONF_TEST_ROOT/prefix-setup.log"
            if ! pelaconf_set_up_wine_prefix >"$log" 2>&1; then
                # One more try on a fresh wineserver before giving up.
                /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
                if ! pelaconf_set_up_wine_prefix >>"$log" 2>&1; then
                    echo "wine-run: making the Wine prefix $WINEPREFIX failed:" >&2
                    cat "$log" >&2
                    exit 1
                fi
            fi
            touch "$WINEPREFIX/.pelaconf-ready"
        fi
        /usr/lib/wine/wineserver -p60 </dev/null >/dev/null 2>&1 9>&- || true
    ) 9>"$PELACONF_TEST_ROOT/.prefix.lock"
}

pelaconf_set_up_wine_prefix() {
    # The prefix is the same whichever test makes it: made in Japanese.
    local pelaconf_wine_locale=ja_JP.UTF-8
    pelaconf_wine wineboot -i &&
        pelaconf_replace_font "ＭＳ Ｐゴシック" IPAPGothic &&
        pelaconf_replace_font "ＭＳ ゴシック" IPAGothic &&
        pelaconf_replace_font "MS PGothic" IPAPGothic &&
        pelaconf_replace_font "MS Gothic" IPAGothic &&
        # Xvfb has no window manager: Wine draws the caption and frame itself.
        pelaconf_wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f &&
        # A card reader's drive R:, on a folder of the run's own, for the browser's removable drives;
        # Wine takes it from the next start of its server on.
        mkdir -p "$PELACONF_TEST_ROOT/card-reader" &&
        ln -sfn "$PELACONF_TEST_ROOT/card-reader" "$WINEPREFIX/dosdevices/r:" &&
        pelaconf_wine reg add 'HKLM\Software\Wine\Drives' /v r: /d floppy /f &&
        /usr/lib/wine/wineserver -w
}

# The dialogs ask for the usual Japanese Windows fonts; the IPA fonts stand in for them.
pelaconf_replace_font() {
    pelaconf_wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$1" /d "$2" /f
}
