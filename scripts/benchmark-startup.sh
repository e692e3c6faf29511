#!/usr/bin/env bash
# Times the start of the settings window: from starting Pelaconf.exe (with a Pelavine.ini, so no
# first-run wizard) until its settings window is visible, and until it has made all its pages
# (the caption bar and the eighteen pages: nineteen child dialogs). Beside it a bare dialog
# program started the same way under the same Wine, once as it is and once with the program's
# manifest (common controls 6, DPI awareness), and a program that only shows the settings window's
# own templates (every page's controls, nothing filled), with the ratios of the medians. RUNS
# (default 11) starts of each are timed after one warm-up start.
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

# Prints a line "median fastest" in milliseconds for each program in the work folder, until its
# window is visible and then until it is complete; the programs are started in turns.
time_starts() { (cd "$work" && pelaconf_wine ./startup_timer.exe "$runs" "$@" | tr -d '\r'); }

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }
{
    read -r ours ours_fastest ours_built ours_built_fastest
    read -r bare bare_fastest _ _
    read -r bare6 bare6_fastest _ _
    read -r pages pages_fastest _ _
} < <(time_starts Pelaconf.exe=19 bare_dialog.exe bare_dialog_v6.exe bare_pages.exe)
row() { printf '%-36s %10s %10s %12s %12s\n' "$@"; }
row "program" "median ms" "fastest ms" "visible" "all built"
row "Pelaconf.exe, window visible" "$ours" "$ours_fastest"
row "Pelaconf.exe, all pages built" "$ours_built" "$ours_built_fastest"
for yardstick in "bare dialog program:$bare:$bare_fastest" "bare dialog program, same manifest:$bare6:$bare6_fastest" \
    "the same templates, nothing else:$pages:$pages_fastest"; do
    IFS=: read -r name median fastest <<<"$yardstick"
    row "$name" "$median" "$fastest" "$(ratio "$ours" "$median")" "$(ratio "$ours_built" "$median")"
done
echo "the ratios are Pelaconf's medians (window visible, all pages built) over each program's median"
