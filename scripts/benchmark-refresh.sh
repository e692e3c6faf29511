#!/usr/bin/env bash
# Times the refresh of the Susie page over PLUGINS (default 200) plug-in files: the plug-in scan
# that loads each file in a plug-in host, asks it about itself, frees it and rebuilds the
# catalogue. Beside it a bare program that only lists the same files and loads and frees each in
# its own process, under the same Wine, and the ratio of the medians (goal: at most 1.5). RUNS
# (default 11) timed scans each after one warm-up.
# Then the decode of a 24-megapixel picture through the test plug-in: through its host against
# the plug-in loaded in the timing process, as before plug-ins had hosts (goal: at most 1.1).
# DECODE_RUNS (default 5) timed decodes each after one warm-up.
# Last, how soon a refresh notices hosts that end: ten plug-ins that fault while loading (and one
# sound one) against the load's time limit, which is how long a host's end went unnoticed while
# another host could hold its pipe.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
runs=${RUNS:-11}
plugins=${PLUGINS:-200}
decode_runs=${DECODE_RUNS:-5}

scripts/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j2 --target refresh_timer bare_plugin_loader plugin_decode_timer \
    pelaconf_test_plugins >/dev/null

work="$root/build/benchmark-refresh"
rm -rf "$work" && mkdir -p "$work/plugins"
cp build/win64/bench/refresh_timer.exe build/win64/bench/bare_plugin_loader.exe \
    build/win64/bench/plugin_decode_timer.exe build/win64/bin/PelaconfPluginHost64.exe "$work/"
cp build/win64/test-plugins/pnm.spi "$work/decoder.spi"
{ printf 'P6\n6000 4000\n255\n'; head -c $((6000 * 4000 * 3)) /dev/urandom; } >"$work/picture.ppm"
for i in $(seq -w 1 "$plugins"); do
    cp build/win64/test-plugins/pnm.spi "$work/plugins/plugin$i.spi"
done
mkdir -p "$work/faulting"
cp build/win64/test-plugins/pnm.spi "$work/faulting/sound.spi"
for i in $(seq -w 1 10); do
    cp build/win64/test-plugins/pnm_faults_in_main.spi "$work/faulting/faults$i.spi"
done

source scripts/xvfb.sh
pelaconf_start_wine_session benchmark-refresh-wine

# Prints "median fastest" in milliseconds; a timer that fails stops the script with its name.
checked_figures() {
    local figures
    figures=$(tr -d '\r')
    if [ -z "$figures" ]; then
        echo "benchmark-refresh: $1 failed" >&2
        return 1
    fi
    echo "$figures"
}
time_runs() { (cd "$work" && pelaconf_wine "./$1" "$runs" 'Z:'"${work//\//\\}"'\plugins' | checked_figures "$1"); }

echo "load: $(uptime)"
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }
read -r ours ours_fastest < <(time_runs refresh_timer.exe)
read -r bare bare_fastest < <(time_runs bare_plugin_loader.exe)
printf '%-44s %10s %10s %12s\n' "work ($plugins plug-in files)" "median ms" "fastest ms" "ratio"
printf '%-44s %10s %10s\n' "refresh: plug-in scan" "$ours" "$ours_fastest"
printf '%-44s %10s %10s %12s\n' "bare program: load and free each file" "$bare" "$bare_fastest" "$(ratio "$ours" "$bare")"

windows_work='Z:'"${work//\//\\}"
time_decode() {
    (cd "$work" && pelaconf_wine ./plugin_decode_timer.exe "$1" "$decode_runs" "$windows_work\decoder.spi" \
        "$windows_work\picture.ppm" | checked_figures "plugin_decode_timer.exe $1")
}
read -r hosted hosted_fastest < <(time_decode host)
read -r inside inside_fastest < <(time_decode in-process)
printf '%-44s %10s %10s\n' "decode 6000 x 4000 through the plug-in host" "$hosted" "$hosted_fastest"
printf '%-44s %10s %10s %12s\n' "decode 6000 x 4000 in-process" "$inside" "$inside_fastest" "$(ratio "$hosted" "$inside")"

load_limit_ms=$(sed -n 's/.*kPluginLoadLimitMs = \([0-9]*\)'"'"'\([0-9]*\);.*/\1\2/p' src/susie/plugin_call_limits.h)
read -r faulting faulting_fastest < <(cd "$work" && pelaconf_wine ./refresh_timer.exe "$runs" "$windows_work\faulting" |
    checked_figures "refresh_timer.exe over faulting plug-ins")
printf '%-44s %10s %10s\n' "refresh: ten plug-ins that fault, one sound" "$faulting" "$faulting_fastest"
printf '%-44s %10s %10s %12s\n' "the load's limit" "$load_limit_ms" "" "$(ratio "$faulting" "$load_limit_ms")"
