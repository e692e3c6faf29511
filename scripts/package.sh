#!/usr/bin/env bash
# Builds the release: dist/Pelaconf-<version>-win64.zip and -win32.zip, each to be unpacked beside
# Pelavine.exe, with SHA256SUMS beside them and the programs' separated debugging information under
# dist/debug/. Two runs on one commit give the same bytes: the programs carry no link time, the
# zips hold their entries in a fixed order with the commit's time and no owner or extra fields.
#
#   scripts/package.sh [--build-root DIR] [--dist DIR]
#
# The builds go to DIR/win64 and DIR/win32 (default build/package); only the shipped programs are built.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build_root=$root/build/package
dist=$root/dist
while [ $# -gt 0 ]; do
    case $1 in
        --build-root) build_root=$(realpath -m "$2"); shift 2 ;;
        --dist) dist=$(realpath -m "$2"); shift 2 ;;
        *) echo "usage: $0 [--build-root DIR] [--dist DIR]" >&2; exit 2 ;;
    esac
done

scripts/install-deps.sh
# Every time the build and the zips record is the commit's own.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null) ||
        { echo "package.sh: no git commit to date the release by; set SOURCE_DATE_EPOCH" >&2; exit 1; }
fi
export SOURCE_DATE_EPOCH
export TZ=UTC

rm -rf "$dist"
mkdir -p "$dist/debug"
for target in win64 win32; do
    build=$build_root/$target
    echo "== package $target"
    cmake --preset "$target" -B "$build" >/dev/null
    cmake --build "$build" --target Pelaconf PelaconfPluginHost
    version=$(cat "$build/version.txt")

    stage=$build_root/stage-$target
    rm -rf "$stage"
    cmake --install "$build" --component release --prefix "$stage" >/dev/null
    find "$stage" -type f -exec chmod 644 {} + -exec touch -d "@$SOURCE_DATE_EPOCH" {} +
    zip=$dist/Pelaconf-$version-$target.zip
    (cd "$stage" && find . -type f -printf '%P\n' | LC_ALL=C sort | zip -X -D -q -9 "$zip" -@)

    mkdir -p "$dist/debug/$target"
    cp "$build"/bin/*.debug "$dist/debug/$target/"
done
(cd "$dist" && sha256sum Pelaconf-*.zip >SHA256SUMS)
echo "== made in $dist:"
(cd "$dist" && cat SHA256SUMS)
