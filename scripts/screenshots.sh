#!/usr/bin/env bash
# Renders the settings window on every page of its page table and the first-run wizard on each of
# its steps to PNG files under docs/screenshots (page-<template id>.png, wizard-<1 to 8>.png), on a
# private Xvfb under Wine.
#   scripts/screenshots.sh [dpi]
# At a DPI other than 96 (for example 144, 150 %) the pictures go to docs/screenshots/dpi-<dpi>.
# PELACONF_BUILD_DIR chooses the x86_64 build folder (default build/win64).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${PELACONF_BUILD_DIR:-$root/build/win64}
dpi=${1:-96}
case $dpi in
    '' | *[!0-9]*) echo "usage: scripts/screenshots.sh [dpi]" >&2; exit 2 ;;
esac
output=docs/screenshots
[ "$dpi" = 96 ] || output=docs/screenshots/dpi-$dpi

scripts/install-deps.sh
cmake --preset win64 -B "$build" >/dev/null
cmake --build "$build" -j2 --target screenshot_tour

export PELACONF_TEST_ROOT=${PELACONF_TEST_ROOT:-$root/build/screenshots-dpi$dpi}
source tests/support/test-env.sh
pelaconf_ensure_wine_prefix
source scripts/xvfb.sh
unset DISPLAY
pelaconf_start_xvfb
trap 'WINEPREFIX="$WINEPREFIX" /usr/lib/wine/wineserver -k 2>/dev/null || true; pelaconf_stop_xvfb' EXIT
# Set once the screen is up: the first program of a Wine session starts its desktop on the display
# it sees.
pelaconf_wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1

pictures=$(mktemp -d)
trap 'rm -rf "$pictures"; WINEPREFIX="$WINEPREFIX" /usr/lib/wine/wineserver -k 2>/dev/null || true; pelaconf_stop_xvfb' EXIT
pelaconf_wine "$build/tests/support/driver/screenshot_tour.exe" "Z:${pictures//\//\\}"

mkdir -p "$output"
for picture in "$pictures"/*.bmp; do
    name=$(basename "$picture" .bmp)
    # ImageMagick by its own path: an earlier `convert` on the PATH may be a stand-in.
    /usr/bin/convert "$picture" "$output/$name.png"
    echo "$output/$name.png"
done
