#!/usr/bin/env bash
# Times the command-line wallpaper mode (Pelaconf.exe <image> under Wine) on a 6000 x 4000 JPEG
# and a 1920 x 1080 PNG, with fitting on and off: the median wall time of several runs and the
# peak memory. Beside it, ImageMagick making a screen-sized BMP from the same files on the same
# machine, and the ratio of the two medians. Then where the time of a fitted run goes: a bare
# Wine process start, and each stage of the work timed on its own inside one process.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
runs=${RUNS:-5}
magick=/usr/bin/convert # by full path: a "convert" earlier on the PATH may be a stand-in

scripts/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Pelaconf wallpaper_stages_timer >/dev/null

work="$root/build/benchmark"
rm -rf "$work" && mkdir -p "$work"
cp build/win64/bin/Pelaconf.exe "$work/"
"$magick" -size 6000x4000 plasma:fractal -quality 90 "$work/large.jpg"
"$magick" -size 1920x1080 plasma:fractal "$work/wide.png"

source scripts/xvfb.sh
pelaconf_start_wine_session benchmark-wine

# Runs a command $runs times; prints "median seconds" and "peak KiB" of the runs.
measure() {
    local times=() peak=0 line
    for _ in $(seq "$runs"); do
        /usr/bin/time -o "$work/time.txt" -f "%e %M" "$@" >/dev/null 2>&1 || true
        line=$(tail -n 1 "$work/time.txt")
        times+=("${line% *}")
        [ "${line#* }" -gt "$peak" ] && peak=${line#* }
    done
    printf '%s %s\n' "$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p")" "$peak"
}

printf '%-34s %10s %10s %12s %10s %7s\n' "case" "Pelaconf s" "peak MiB" "ImageMagick s" "peak MiB" "ratio"
for image in large.jpg wide.png; do
    for fit in 0 1; do
        printf '# Pelavine Version 1.2\r\n[Rect_Type]=0\r\n[Rect_Fit]=%s\r\n' "$fit" >"$work/Pelavine.ini"
        read -r ours our_peak < <(cd "$work" && measure env LC_ALL="$pelaconf_wine_locale" /usr/lib/wine/wine64 \
            ./Pelaconf.exe "$image")
        if [ "$fit" = 1 ]; then resize=(-resize '1024x768>'); else resize=(); fi
        read -r theirs their_peak < <(measure "$magick" "$work/$image" "${resize[@]}" -type truecolor "BMP3:$work/magick.bmp")
        printf '%-34s %10s %10d %12s %10d %7.2f\n' "$image fit=$fit" "$ours" $((our_peak / 1024)) "$theirs" \
            $((their_peak / 1024)) "$(awk -v a="$ours" -v b="$theirs" 'BEGIN { print (b > 0 ? a / b : 0) }')"
    done
done

stages=build/win64/bench/wallpaper_stages_timer.exe
read -r start _ < <(measure env LC_ALL="$pelaconf_wine_locale" /usr/lib/wine/wine64 "$stages")
echo
echo "where a fitted run goes, median and fastest ms of $runs runs each; a bare Wine process start: $(awk -v s="$start" 'BEGIN { print s * 1000 }') ms"
for image in large.jpg wide.png; do
    echo "$image:"
    pelaconf_wine "$stages" "$runs" "Z:${work//\//\\}\\$image" "Z:${work//\//\\}\\stages.bmp" | tr -d '\r' |
        awk '{ printf "  %-16s %8s %8s\n", $1, $2, $3 }'
done
