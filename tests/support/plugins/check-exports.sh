#!/usr/bin/env bash
# Checks that a plug-in module exports exactly the given names, undecorated, as a plug-in host
# finds them with GetProcAddress: a 32-bit stdcall export left as "_GetPluginInfo@12" or
# "GetPluginInfo@12" would not be found.
#   check-exports.sh OBJDUMP MODULE NAME...
set -euo pipefail
objdump=$1
module=$2
shift 2

# objdump -p lists the export names under "[Ordinal/Name Pointer] Table", one per line, the name last.
dump=$("$objdump" -p "$module")
exported=$(awk '/^\[Ordinal\/Name Pointer\] Table/ { table = 1; next }
                table && /^[[:space:]]*\[/ { print $NF; next }
                table { table = 0 }' <<<"$dump" | sort)
expected=$(printf '%s\n' "$@" | sort)

if [ "$exported" != "$expected" ]; then
    echo "$module exports:"
    echo "${exported:-  (nothing)}"
    echo "expected exactly:"
    echo "$expected"
    exit 1
fi
echo "$module exports $(echo $exported)"
