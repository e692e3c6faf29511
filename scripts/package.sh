#!/usr/bin/env bash
# Builds the release: dist/Pelaconf-<version>-win64.zip and -win32.zip, each to be unpacked beside
# Pelavine.exe, with SHA256SUMS beside them and the programs' separated debugging information under
# dist/debug/. Two runs on one commit give the same bytes: the programs carry no link time, the
# zips hold their entries in a fixed order with the commit's time and no owner or extra fields.
#
#   scripts/package.sh [--build-root DIR] [--dist DIR]
#
# The builds go to DIR/win64 and DIR/win32 (default build/package); only the shipped programs are built.
#
# Given a code-signing certificate, every program in the zips is signed with it (Authenticode,
# SHA-256): PELACONF_SIGN_PFX names the PKCS#12 file that holds the certificate and its key, and
# PELACONF_SIGN_PASSWORD, if set, is that file's password. The signing time is the commit's and no
# time-stamp server is asked, so two runs with one certificate still give the same bytes. Without
# PELACONF_SIGN_PFX the programs stay unsigned.
set -euo pipefail
# A certificate named relative to where the script was started.
sign_pfx=${PELACONF_SIGN_PFX:+$(realpath -m "$PELACONF_SIGN_PFX")}
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

# The password goes to osslsigncode in a file of our own, never on a command line that others can list.
if [ -n "$sign_pfx" ]; then
    [ -r "$sign_pfx" ] || { echo "package.sh: cannot read the certificate $sign_pfx" >&2; exit 1; }
    password_file=$(mktemp)
    trap 'rm -f "$password_file"' EXIT
    printf '%s' "${PELACONF_SIGN_PASSWORD:-}" >"$password_file"
fi

sign_programs() {
    local program
    for program in "$1"/*.exe; do
        osslsigncode sign -pkcs12 "$sign_pfx" -readpass "$password_file" -h sha256 -time "$SOURCE_DATE_EPOCH" \
            -n Pelaconf -in "$program" -out "$program.signed" >/dev/null
        mv "$program.signed" "$program"
        echo "signed $(basename "$program")"
    done
}

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
    [ -z "$sign_pfx" ] || sign_programs "$stage"
    find "$stage" -type f -exec chmod 644 {} + -exec touch -d "@$SOURCE_DATE_EPOCH" {} +
    zip=$dist/Pelaconf-$version-$target.zip
    (cd "$stage" && find . -type f -printf '%P\n' | LC_ALL=C sort | zip -X -D -q -9 "$zip" -@)

    mkdir -p "$dist/debug/$target"
    cp "$build"/bin/*.debug "$dist/debug/$target/"
done
(cd "$dist" && sha256sum Pelaconf-*.zip >SHA256SUMS)
echo "== made in $dist:"
(cd "$dist" && cat SHA256SUMS)
