#!/usr/bin/env bash
# Installs, from Debian's archive, whatever the build and the tests need and this machine lacks.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev googletest
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
    wine64 fonts-wine xvfb xauth x11-utils imagemagick fonts-ipafont-gothic locales python3
    zip unzip git osslsigncode openssl
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
