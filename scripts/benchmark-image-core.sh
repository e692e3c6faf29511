#!/usr/bin/env bash
# Prints how fast the portable BMP reader and resampler are on a 6000 x 4000 24-bit BMP, and
# beside them ImageMagick reading and resizing the same file on the same machine.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
width=6000
height=4000
target_width=1024
target_height=768
runs=3

# ImageMagick by its full path: a "convert" earlier on the PATH may be a stand-in.
magick=/usr/bin/convert
if ! command -v g++ >/dev/null || [ ! -x "$magick" ]; then
    sudo=$([ "$(id -u)" -eq 0 ] || echo sudo)
    $sudo apt-get install -y g++ imagemagick
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

g++ -std=c++20 -O2 -I"$root/src" "$root/tests/bench/bench_image_core.cpp" \
    "$root/src/image/bmp_codec.cpp" "$root/src/image/picture.cpp" "$root/src/image/resampler.cpp" \
    -o "$work/bench_image_core"

image="$work/large.bmp"
"$magick" -size "${width}x${height}" plasma:fractal -type truecolor "BMP3:$image"

"$work/bench_image_core" "$image" "$target_width" "$target_height"

# The shortest of $runs runs of a command, in seconds.
best_seconds() {
    local best=""
    for _ in $(seq "$runs"); do
        local start end
        start=$(date +%s.%N)
        "$@" >/dev/null
        end=$(date +%s.%N)
        best=$(awk -v s="$start" -v e="$end" -v b="${best:-1e30}" 'BEGIN { t = e - s; print (t < b ? t : b) }')
    done
    echo "$best"
}

report() { # what, seconds, seconds to take off
    awk -v what="$1" -v s="$2" -v off="${3:-0}" -v mp="$((width * height))" \
        'BEGIN { s -= off; printf "%-44s %8.1f MP/s  (%.1f ms)\n", what, mp / 1e6 / s, s * 1000 }'
}

magick_figures() { # label, then environment for ImageMagick
    local label=$1
    shift
    local read scale resize
    read=$(best_seconds env "$@" "$magick" "$image" null:)
    scale=$(best_seconds env "$@" "$magick" "$image" -scale "${target_width}x${target_height}!" null:)
    resize=$(best_seconds env "$@" "$magick" "$image" -resize "${target_width}x${target_height}!" null:)
    echo "ImageMagick $label, best of $runs (a whole process; resize figures exclude the read)"
    report "read 24-bit BMP" "$read"
    report "-scale (area average) to ${target_width} x ${target_height}" "$scale" "$read"
    report "-resize (default filter) to ${target_width} x ${target_height}" "$resize" "$read"
}

echo
magick_figures "on one thread" MAGICK_THREAD_LIMIT=1
echo
magick_figures "on all $(nproc) cores"
