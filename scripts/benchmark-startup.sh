#!/usr/bin/env bash
# Times the start of the settings window: from starting Pelaconf.exe (with a Pelavine.ini, so no
# first-run wizard) until its settings window, with every page built, is visible. Beside it a
# bare dialog program started the same way under the same Wine, and the ratio of the two
# medians. RUNS (default 11) starts of each are timed after one warm-up start.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
runs=${RUNS:-11}

scripts/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Pelaconf PelavineStandIn bare_dialog startup_timer >/dev/null

work="$root/build/benchmark-startup"
rm -rf "$work" && mkdir -p "$work"
cp build/win64/bin/Pelaconf.exe build/win64/bin/Pelavine.sys build/win64/stand-in/Pelavine.exe \
    build/win64/bench/bare_dialog.exe build/win64/bench/startup_timer.exe "$work/"
printf '# Pelavine Version 1.2\r\n' >"$work/Pelavine.ini"

source scripts/xvfb.sh
pelaconf_start_wine_session benchmark-startup-wine

# Prints "median fastest" in milliseconds for the program in the work folder.
time_starts() { (cd "$work" && pelaconf_wine ./startup_timer.exe "$runs" "$@" | tr -d '\r'); }

read -r ours ours_fastest < <(time_starts Pelaconf.exe)
read -r bare bare_fastest < <(time_starts bare_dialog.exe)
printf '%-28s %10s %10s\n' "program" "median ms" "fastest ms"
printf '%-28s %10s %10s\n' "Pelaconf.exe (settings)" "$ours" "$ours_fastest"
printf '%-28s %10s %10s\n' "bare dialog program" "$bare" "$bare_fastest"
printf 'ratio of the medians: %s\n' "$(awk -v a="$ours" -v b="$bare" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }')"
