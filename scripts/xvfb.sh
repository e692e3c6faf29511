# Starts a private Xvfb at 1024 x 768 x 24 and exports DISPLAY; sourced by the scripts.
# pelaconf_stop_xvfb ends it again.
pelaconf_start_xvfb() {
    local display
    for display in $(seq 90 299); do
        pelaconf_display_is_taken "$display" && continue
        Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        pelaconf_xvfb_pid=$!
        export DISPLAY=":$display"
        local tries
        for tries in $(seq 100); do
            xdpyinfo >/dev/null 2>&1 && return 0
            kill -0 "$pelaconf_xvfb_pid" 2>/dev/null || break
            sleep 0.1
        done
    done
    echo "cannot start Xvfb" >&2
    return 1
}

# A display is taken while the server that locked it runs. A lock left by a server that was killed
# names a process that is gone; the next server takes such a display over.
pelaconf_display_is_taken() {
    local lock="/tmp/.X$1-lock" pid
    [ -e "$lock" ] || return 1
    pid=$(tr -dc '0-9' <"$lock" 2>/dev/null)
    [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null
}

pelaconf_stop_xvfb() {
    [ -n "${pelaconf_xvfb_pid:-}" ] && kill "$pelaconf_xvfb_pid" 2>/dev/null || true
}

# For the scripts that run the program for people (benchmarks): a Wine prefix of their own
# under build/<name>, a private Xvfb, and both ended when the script exits.
pelaconf_start_wine_session() {
    export PELACONF_TEST_ROOT="$(pwd)/build/$1"
    source tests/support/test-env.sh
    pelaconf_start_xvfb
    trap 'WINEPREFIX="$WINEPREFIX" /usr/lib/wine/wineserver -k 2>/dev/null || true; pelaconf_stop_xvfb' EXIT
    pelaconf_ensure_wine_prefix
}
