#!/usr/bin/env bash
# Packages the release twice from scratch, in two build folders of their own, signed with a
# throwaway code-signing certificate, and checks that every program in the zips carries a signature
# that the certificate verifies, and that both runs made the same files with the same bytes.
#   two-builds.sh WORK_DIR      (WORK_DIR/first/dist keeps the first run's zips for the next test)
set -euo pipefail
work=$1
package=$(cd "$(dirname "$0")/../.." && pwd)/scripts/package.sh
# A compiler cache would hand the second build the first one's objects and hide any difference.
export CCACHE_DISABLE=1
rm -rf "$work"

# A self-signed certificate for code signing, in a password-protected PKCS#12 file as a real one comes.
signer=$work/signer
mkdir -p "$signer"
openssl req -x509 -newkey rsa:2048 -nodes -days 30 -subj "/CN=Pelaconf release test" \
    -addext "keyUsage=critical,digitalSignature" -addext "extendedKeyUsage=codeSigning" \
    -keyout "$signer/key.pem" -out "$signer/certificate.pem" 2>/dev/null
export PELACONF_SIGN_PASSWORD="throwaway password"
openssl pkcs12 -export -inkey "$signer/key.pem" -in "$signer/certificate.pem" -out "$signer/signer.pfx" \
    -passout env:PELACONF_SIGN_PASSWORD
export PELACONF_SIGN_PFX=$signer/signer.pfx

for run in first second; do
    "$package" --build-root "$work/$run" --dist "$work/$run/dist"
done

# Every program of both zips, verified against the certificate as the one trusted authority.
signed=0
for zip in "$work"/first/dist/Pelaconf-*.zip; do
    unpacked=$work/verify/$(basename "$zip" .zip)
    mkdir -p "$unpacked"
    unzip -q "$zip" -d "$unpacked"
    [ -f "$unpacked/Pelaconf.exe" ] || { echo "FAIL: no Pelaconf.exe in $(basename "$zip")" >&2; exit 1; }
    for program in "$unpacked"/*.exe; do
        if ! osslsigncode verify -CAfile "$signer/certificate.pem" -in "$program" >"$program.verify" 2>&1; then
            cat "$program.verify"
            echo "FAIL: the signature of $(basename "$program") in $(basename "$zip") does not verify" >&2
            exit 1
        fi
        signed=$((signed + 1))
    done
done
echo "the signatures of all $signed programs in the zips verify"

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
