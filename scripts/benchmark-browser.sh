#!/usr/bin/env bash
# Times the wallpaper browser opening a big folder (FILES images, default 10,000, and FOLDERS
# subfolders, default 1,000, each holding one image) in the real Pelaconf.exe, beside a bare
# listing of the same folder by a small program under the same Wine: the folder alone, and with a
# look into each subfolder that stops at its first entry, as the browser does. RUNS (default 7)
# timed runs of each after one warm-up; the figures are medians, and the ratios are the browser's
# time over the bare ones.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
runs=${RUNS:-7}
files=${FILES:-10000}
folders=${FOLDERS:-1000}

scripts/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target browser_expand_timer >/dev/null

work="$root/build/benchmark-browser"
rm -rf "$work" && mkdir -p "$work/big"
(
    cd "$work/big"
    for ((i = 0; i < files; i++)); do
        name=$(printf 'image%05d' "$i")
        if ((i % 2)); then : >"$name.jpg"; else : >"$name.bmp"; fi
    done
    for ((i = 0; i < folders; i++)); do
        name=$(printf 'folder%04d' "$i")
        mkdir "$name" && : >"$name/inside.png"
    done
)

source scripts/xvfb.sh
pelaconf_start_wine_session benchmark-browser-wine

read -r bare bare_look browser listed < <(pelaconf_wine build/win64/bench/browser_expand_timer.exe "$runs" \
    "Z:${work//\//\\}\\big" | tr -d '\r')
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }
echo "folder: $files images and $folders subfolders; the browser listed $listed items; $runs runs, medians"
printf '%-52s %10s %14s\n' "step" "median ms" "browser ratio"
printf '%-52s %10s\n' "browser: open the folder (key press to full tree)" "$browser"
printf '%-52s %10s %14s\n' "bare listing of the folder" "$bare" "$(ratio "$browser" "$bare")"
printf '%-52s %10s %14s\n' "bare listing, looking into each subfolder" "$bare_look" "$(ratio "$browser" "$bare_look")"
