#!/usr/bin/env bash
# Checks what a Windows program declares about itself, read from its file: each +FLAG must be and
# each -FLAG must not be among the characteristics objdump -p lists ("large address aware",
# "NX_COMPAT", ...), and each manifest:TEXT must be in its manifest, which the file holds as written.
#   check-pe-header.sh OBJDUMP PROGRAM [+FLAG|-FLAG|manifest:TEXT]...
set -euo pipefail
objdump=$1
program=$2
shift 2

# The flags are listed one a line, indented, under "Characteristics" and "DllCharacteristics".
flags=$("$objdump" -p "$program" | awk '/^(Dll)?Characteristics/ { list = 1; next }
                                         list && /^[[:space:]]/ { sub(/^[[:space:]]+/, ""); print; next }
                                         { list = 0 }')
failed=0
for expectation in "$@"; do
    case $expectation in
        +*) grep -qxF -- "${expectation#+}" <<<"$flags" || { echo "FAIL: $program lacks ${expectation#+}"; failed=1; } ;;
        -*) ! grep -qxF -- "${expectation#-}" <<<"$flags" || { echo "FAIL: $program has ${expectation#-}"; failed=1; } ;;
        manifest:*) grep -qaF -- "${expectation#manifest:}" "$program" ||
            { echo "FAIL: the manifest of $program lacks ${expectation#manifest:}"; failed=1; } ;;
        *) echo "unknown expectation: $expectation" >&2; exit 2 ;;
    esac
done
if [ $failed -ne 0 ]; then
    echo "$program declares:"
    echo "$flags"
    exit 1
fi
echo "$program declares: $(paste -sd, <<<"$flags")"
