#!/usr/bin/env bash
# Unpacks the win64 release zip into a fresh folder and runs the release tests against it under Wine.
#   unpack-and-start.sh DIST_DIR FOLDER release_tests.exe [gtest arguments]
set -euo pipefail
dist=$1 folder=$2 tests=$3
shift 3
zips=("$dist"/Pelaconf-*-win64.zip)
[ -f "${zips[0]}" ] || { echo "FAIL: no win64 zip in $dist" >&2; exit 1; }
rm -rf "$folder"
mkdir -p "$folder"
unzip -q "${zips[0]}" -d "$folder"
folder=$(realpath "$folder")
export PELACONF_UNPACKED_RELEASE="Z:${folder//\//\\}"
exec "$(dirname "$0")/../support/wine-run.sh" "$tests" "$@"
