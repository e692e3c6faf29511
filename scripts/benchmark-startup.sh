#!/usr/bin/env bash
# Times the start of the settings window: from starting Pelaconf.exe (with a Pelavine.ini, so no
# first-run wizard) until its settings window, with every page built, is visible. Beside it a
# bare dialog program started the same way under the same Wine, once as it is and once with the
# program's manifest (common controls 6, DPI awareness), and a program that only shows the
# settings window's own templates (every page's controls, nothing filled), with the ratios of the
# medians. RUNS (default 11) starts of each are timed after one warm-up start.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
runs=${RUNS:-11}

scripts/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Pelaconf PelavineStandIn bare_dialog bare_dialog_v6 bare_pages \
    startup_timer >/dev/null

work="$root/build/benchmark-startup"
rm -rf "$work" && mkdir -p "$work"
cp build/win64/bin/Pelaconf.exe build/win64/bin/Pelavine.sys build/win64/stand-in/Pelavine.exe \
    build/win64/bench/bare_dialog.exe build/win64/bench/bare_dialog_v6.exe build/win64/bench/bare_pages.exe \
    build/win64/bench/startup_timer.exe "$work/"
printf '# Pelavine Version 1.2\r\n' >"$work/Pelavine.ini"

source scripts/xvfb.sh
pelaconf_start_wine_session benchmark-startup-wine

# Prints a line "median fastest" in milliseconds for each program in the work folder; the
# programs are started in turns.
time_starts() { (cd "$work" && pelaconf_wine ./startup_timer.exe "$runs" "$@" | tr -d '\r'); }

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }
{
    read -r ours ours_fastest
    read -r bare bare_fastest
    read -r bare6 bare6_fastest
    read -r pages pages_fastest
} < <(time_starts Pelaconf.exe bare_dialog.exe bare_dialog_v6.exe bare_pages.exe)
printf '%-36s %10s %10s %14s\n' "program" "median ms" "fastest ms" "Pelaconf ratio"
printf '%-36s %10s %10s\n' "Pelaconf.exe (settings window)" "$ours" "$ours_fastest"
printf '%-36s %10s %10s %14s\n' "bare dialog program" "$bare" "$bare_fastest" "$(ratio "$ours" "$bare")"
printf '%-36s %10s %10s %14s\n' "bare dialog program, same manifest" "$bare6" "$bare6_fastest" "$(ratio "$ours" "$bare6")"
printf '%-36s %10s %10s %14s\n' "the same templates, nothing else" "$pages" "$pages_fastest" "$(ratio "$ours" "$pages")"
