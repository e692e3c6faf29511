#!/usr/bin/env bash
# Times the refresh of the Susie page over PLUGINS (default 200) plug-in files: the plug-in scan
# that loads each file, asks it about itself, frees it and rebuilds the catalogue. Beside it a bare
# program that only lists the same files and loads and frees each, under the same Wine, and the
# ratio of the medians (goal: at most 1.2). RUNS (default 11) timed scans each after one warm-up.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
runs=${RUNS:-11}
plugins=${PLUGINS:-200}

scripts/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j2 --target refresh_timer bare_plugin_loader pelaconf_test_plugins >/dev/null

work="$root/build/benchmark-refresh"
rm -rf "$work" && mkdir -p "$work/plugins"
cp build/win64/bench/refresh_timer.exe build/win64/bench/bare_plugin_loader.exe "$work/"
for i in $(seq -w 1 "$plugins"); do
    cp build/win64/test-plugins/pnm.spi "$work/plugins/plugin$i.spi"
done

source scripts/xvfb.sh
pelaconf_start_wine_session benchmark-refresh-wine

# Prints "median fastest" in milliseconds.
time_runs() { (cd "$work" && pelaconf_wine "./$1" "$runs" 'Z:'"${work//\//\\}"'\plugins' | tr -d '\r'); }

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }
read -r ours ours_fastest < <(time_runs refresh_timer.exe)
read -r bare bare_fastest < <(time_runs bare_plugin_loader.exe)
printf '%-44s %10s %10s %12s\n' "work ($plugins plug-in files)" "median ms" "fastest ms" "ratio"
printf '%-44s %10s %10s\n' "refresh: plug-in scan" "$ours" "$ours_fastest"
printf '%-44s %10s %10s %12s\n' "bare program: load and free each file" "$bare" "$bare_fastest" "$(ratio "$ours" "$bare")"
