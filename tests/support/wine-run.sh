#!/usr/bin/env bash
# Runs a Windows program under 64-bit Wine with the test environment:
# the run's own WINEPREFIX (made on first use), the Japanese locale (ANSI code page 932),
# no Mono or Gecko prompts, no debug chatter, and Xvfb when there is no display.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/test-env.sh"

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$BASH_SOURCE" "$@"
fi
pelaconf_ensure_wine_prefix
# Wine's service processes outlive the program; through a file of our own they never hold the
# caller's output pipe open.
output=$(mktemp)
trap 'rm -f "$output"' EXIT
run() {
    status=0
    pelaconf_wine "$@" >"$output" 2>&1 </dev/null || status=$?
}
run "$@"
# The test programs print before they can fail; a failure with no output at all means Wine
# itself did not start the program, so it gets one more try.
if [ "$status" -ne 0 ] && [ ! -s "$output" ]; then
    echo "wine-run: Wine ended with $status before $1 printed anything; running it again" >&2
    pelaconf_ensure_wine_prefix
    run "$@"
fi
cat "$output"
exit $status
