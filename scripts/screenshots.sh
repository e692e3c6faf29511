#!/usr/bin/env bash
# Renders the settings window on each basic settings page and on the basic settings overview
# page to PNG files under docs/screenshots, on a private Xvfb under Wine.
# PELACONF_BUILD_DIR chooses the x86_64 build folder (default build/win64).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${PELACONF_BUILD_DIR:-$root/build/win64}

scripts/install-deps.sh
cmake --preset win64 -B "$build" >/dev/null
cmake --build "$build" -j2 --target screenshot_tour

export PELACONF_TEST_ROOT=${PELACONF_TEST_ROOT:-$root/build/screenshots}
source tests/support/test-env.sh
pelaconf_ensure_wine_prefix
source scripts/xvfb.sh
unset DISPLAY
pelaconf_start_xvfb
trap 'WINEPREFIX="$WINEPREFIX" /usr/lib/wine/wineserver -k 2>/dev/null || true; pelaconf_stop_xvfb' EXIT

pictures=$(mktemp -d)
trap 'rm -rf "$pictures"; WINEPREFIX="$WINEPREFIX" /usr/lib/wine/wineserver -k 2>/dev/null || true; pelaconf_stop_xvfb' EXIT
pages=(101 103 105 106 107)
pelaconf_wine "$build/tests/support/driver/screenshot_tour.exe" "Z:${pictures//\//\\}" "${pages[@]}"

mkdir -p docs/screenshots
for page in "${pages[@]}"; do
    # ImageMagick by its own path: an earlier `convert` on the PATH may be a stand-in.
    /usr/bin/convert "$pictures/page-$page.bmp" "docs/screenshots/page-$page.png"
    echo "docs/screenshots/page-$page.png"
done
