#!/usr/bin/env bash
# Runs each fuzz target for the given number of minutes, from its seeds and a fresh corpus, and
# prints per target the executions, libFuzzer's coverage figures (cov: edges, ft: features) and
# whether it found anything. Logs, corpora and any crash inputs stay in build/fuzz-runs/TARGET.
#   scripts/fuzz.sh [-j JOBS] MINUTES [TARGET...]    (default: every target, one at a time)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

jobs=1
if [ "${1:-}" = "-j" ]; then
    jobs=$2
    shift 2
fi
minutes=${1:?usage: scripts/fuzz.sh [-j JOBS] MINUTES [TARGET...]}
shift
seconds=$(awk -v m="$minutes" 'BEGIN { printf "%d", m * 60 }')
fuzz_dir="$root/build/native/tests/fuzz"
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_settings_file fuzz_bmp_reader fuzz_exif_orientation fuzz_plugin_image fuzz_plugin_info fuzz_plugin_filter fuzz_host_protocol)

scripts/install-deps.sh
cmake --preset native >/dev/null
cmake --build --preset native --target fuzz_seeds "${targets[@]}"

run_target() {
    local target=$1 out="$root/build/fuzz-runs/$1"
    rm -rf "$out"
    mkdir -p "$out/corpus"
    set +e
    (cd "$out" && "$fuzz_dir/$target" -max_total_time="$seconds" -max_len=4096 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$out/" corpus "$fuzz_dir/seeds/$target" >log.txt 2>&1)
    echo $? >"$out/status"
}

# The last status line ("#N  REDUCE cov: C ft: F ...") holds the coverage; the final statistics the
# executions. A finding ends the run with a non-zero status and leaves a crash-, leak-, oom- or
# timeout- input.
report_target() {
    local target=$1 out="$root/build/fuzz-runs/$1"
    local status line runs cov ft findings
    status=$(cat "$out/status" 2>/dev/null || echo "?")
    line=$(grep -E '^#[0-9]+.*cov: [0-9]+ ft: [0-9]+' "$out/log.txt" | tail -n 1)
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out/log.txt")
    cov=$(sed -E 's/.* cov: ([0-9]+).*/\1/' <<<"$line")
    ft=$(sed -E 's/.* ft: ([0-9]+).*/\1/' <<<"$line")
    findings=$(find "$out" -maxdepth 1 \( -name 'crash-*' -o -name 'leak-*' -o -name 'oom-*' -o -name 'timeout-*' \) |
        wc -l)
    printf '%-20s %12s %8s %8s %9s %7s\n' "$target" "${runs:-?}" "${cov:-?}" "${ft:-?}" "$findings" "$status"
    [ "$status" = 0 ] && [ "$findings" -eq 0 ]
}

running=0
for target in "${targets[@]}"; do
    run_target "$target" &
    running=$((running + 1))
    if [ "$running" -ge "$jobs" ]; then
        wait -n
        running=$((running - 1))
    fi
done
wait

echo "fuzzed $minutes min per target"
printf '%-20s %12s %8s %8s %9s %7s\n' target executions cov ft findings status
failed=0
for target in "${targets[@]}"; do
    report_target "$target" || failed=1
done
exit $failed
