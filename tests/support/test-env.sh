# Shared settings of every Wine run of the tests; sourced, not executed.
# PELACONF_TEST_ROOT (default: build/test-run under the source tree) holds the prefix and the locale.
pelaconf_source_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export PELACONF_TEST_ROOT=${PELACONF_TEST_ROOT:-$pelaconf_source_root/build/test-run}
export WINEPREFIX=${WINEPREFIX:-$PELACONF_TEST_ROOT/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export LOCPATH=${LOCPATH:-$PELACONF_TEST_ROOT/locale}
export LC_ALL=${PELACONF_LC_ALL:-ja_JP.UTF-8}

# Makes the locale and the prefix once per test run; concurrent callers wait on one lock.
pelaconf_ensure_wine_prefix() {
    mkdir -p "$PELACONF_TEST_ROOT"
    (
        flock 9
        if [ ! -d "$LOCPATH/ja_JP.UTF-8" ]; then
            mkdir -p "$LOCPATH"
            localedef -i ja_JP -f UTF-8 "$LOCPATH/ja_JP.UTF-8" 2>/dev/null || true
        fi
        if [ ! -f "$WINEPREFIX/.pelaconf-ready" ]; then
            /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
            pelaconf_replace_font "ＭＳ Ｐゴシック" IPAPGothic
            pelaconf_replace_font "ＭＳ ゴシック" IPAGothic
            pelaconf_replace_font "MS PGothic" IPAPGothic
            pelaconf_replace_font "MS Gothic" IPAGothic
            /usr/lib/wine/wineserver -w
            touch "$WINEPREFIX/.pelaconf-ready"
        fi
    ) 9>"$PELACONF_TEST_ROOT/.prefix.lock"
}

# The dialogs ask for the usual Japanese Windows fonts; the IPA fonts stand in for them.
pelaconf_replace_font() {
    /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$1" /d "$2" /f >/dev/null 2>&1
}
