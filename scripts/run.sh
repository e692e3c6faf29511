#!/usr/bin/env bash
# Builds Pelaconf.exe and starts it under Wine from an install folder of its own
# (build/run/Pelavine, beside Pelavine.sys and the stand-in Pelavine.exe). Arguments are passed
# to Pelaconf. Without a display it runs on Xvfb, saves a screenshot and prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

scripts/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Pelaconf PelavineStandIn

install="$root/build/run/Pelavine"
mkdir -p "$install"
cp build/win64/bin/Pelaconf.exe build/win64/bin/PelaconfPluginHost*.exe build/win64/bin/Pelavine.sys \
    build/win64/stand-in/Pelavine.exe "$install/"

export PELACONF_TEST_ROOT="$root/build/run/wine"
source tests/support/test-env.sh
pelaconf_ensure_wine_prefix

if [ -n "${DISPLAY:-}" ]; then
    cd "$install" && pelaconf_wine ./Pelaconf.exe "$@"
    exit 0
fi

source scripts/xvfb.sh
pelaconf_start_xvfb
trap 'WINEPREFIX="$WINEPREFIX" /usr/lib/wine/wineserver -k 2>/dev/null || true; pelaconf_stop_xvfb' EXIT
(cd "$install" && pelaconf_wine ./Pelaconf.exe "$@" >/dev/null 2>&1 &)
shot="$root/build/run/screenshot.png"
window=""
for tries in $(seq 150); do
    window=$(xwininfo -root -tree 2>/dev/null | awk '/"Pelavine / { print $1; exit }')
    if [ -n "$window" ]; then
        break
    fi
    sleep 0.1
done
# The window has painted once it shows more than a blank fill and two pictures of it in a row are
# the same; the screenshot is taken then, or after 10 s at most.
frame="$root/build/run/frame.ppm"
previous=""
for tries in $(seq 100); do
    picture="" colours=0
    if /usr/bin/import -window "${window:-root}" "$frame" 2>/dev/null; then
        picture=$(md5sum <"$frame")
        colours=$(identify -format '%k' "$frame" 2>/dev/null || echo 0)
    fi
    if [ -n "$picture" ] && [ "$picture" = "$previous" ] && [ "$colours" -gt 2 ]; then
        break
    fi
    previous=$picture
    sleep 0.1
done
rm -f "$frame"
/usr/bin/import -window root "$shot"
echo "screenshot: $shot"
