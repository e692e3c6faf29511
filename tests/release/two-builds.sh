#!/usr/bin/env bash
# Packages the release twice from scratch, in two build folders of their own, and checks that
# both runs made the same files with the same bytes.
#   two-builds.sh WORK_DIR      (WORK_DIR/first/dist keeps the first run's zips for the next test)
set -euo pipefail
work=$1
package=$(cd "$(dirname "$0")/../.." && pwd)/scripts/package.sh
# A compiler cache would hand the second build the first one's objects and hide any difference.
export CCACHE_DISABLE=1
rm -rf "$work"
for run in first second; do
    "$package" --build-root "$work/$run" --dist "$work/$run/dist"
done

hashes() { (cd "$1" && find . -type f -printf '%P\n' | LC_ALL=C sort | xargs sha256sum); }
hashes "$work/first/dist" >"$work/first.sha256"
hashes "$work/second/dist" >"$work/second.sha256"
for target in win64 win32; do
    if ! grep -q "Pelaconf-.*-$target\.zip\$" "$work/first/dist/SHA256SUMS"; then
        echo "FAIL: no $target zip in SHA256SUMS" >&2
        exit 1
    fi
done
(cd "$work/first/dist" && sha256sum --check --quiet SHA256SUMS)
if ! diff "$work/first.sha256" "$work/second.sha256"; then
    echo "FAIL: the two builds differ in the files above" >&2
    exit 1
fi
echo "both builds gave the same bytes:"
cat "$work/first.sha256"
