#!/usr/bin/env bash
# Runs each fuzz target for the given number of minutes, from its seeds and a fresh corpus, and
# prints per target the executions, the inputs per second (of the clock, and of the processor time
# the run had), libFuzzer's coverage figures (cov: edges, ft: features) and whether it found
# anything. Logs, corpora and any crash inputs stay in build/fuzz-runs/TARGET.
#   scripts/fuzz.sh [-j JOBS] MINUTES [TARGET...]    (default: every target, one at a time)
#
# The long run uses the fast build (preset fuzz: optimised, without the sanitizers and without
# tracing comparisons, which cost up to fifteen times the speed). Then every input it kept, and
# any it stopped at, runs once more through the sanitized build (preset native, as in the test
# command's short runs), so that a memory error or leak that one of them shows is found too.
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
fast_dir="$root/build/fuzz/tests/fuzz"
sanitized_dir="$root/build/native/tests/fuzz"

scripts/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --preset native >/dev/null
# Every target the build declares, unless some are named, each with its longest input.
declare -A max_len
while read -r target length; do
    max_len[$target]=$length
done <"$fast_dir/fuzz-targets.txt"
targets=("$@")
[ ${#targets[@]} -gt 0 ] || mapfile -t targets < <(cut -d' ' -f1 "$fast_dir/fuzz-targets.txt")
cmake --build --preset fuzz --target fuzz_seeds "${targets[@]}"
cmake --build --preset native --target fuzz_seeds "${targets[@]}"

findings_of() {
    find "$1" -maxdepth 1 \( -name '*crash-*' -o -name '*leak-*' -o -name '*oom-*' -o -name '*timeout-*' \)
}

run_target() {
    local target=$1 out="$root/build/fuzz-runs/$1" seeds="$fast_dir/seeds/$1" length=${max_len[$1]:-4096}
    rm -rf "$out"
    mkdir -p "$out/corpus"
    set +e
    # The processor time it had (user and system seconds) as well: on a shared machine the
    # inputs per second of the clock follow the load.
    local TIMEFORMAT='%U %S'
    { time (cd "$out" && "$fast_dir/$target" -max_total_time="$seconds" -max_len="$length" -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$out/" corpus "$seeds" >log.txt 2>&1); } 2>"$out/cpu-seconds"
    echo $? >"$out/status"
    # -runs=0 runs the corpus once and stops. A finding of the fast run is run alone, for the
    # sanitizers' report of it.
    (cd "$out" && "$sanitized_dir/$target" -runs=0 -max_len="$length" -rss_limit_mb=2048 \
        -artifact_prefix="$out/sanitized-" corpus "$seeds" >sanitized.txt 2>&1)
    echo $? >"$out/sanitized-status"
    mapfile -t found < <(findings_of "$out" | grep -v '/sanitized-')
    if [ ${#found[@]} -gt 0 ]; then
        (cd "$out" && "$sanitized_dir/$target" "${found[@]}" >>sanitized.txt 2>&1)
    fi
}

# The last status line ("#N  REDUCE cov: C ft: F ...") holds the coverage; the final statistics the
# executions and their rate. A finding ends a run with a non-zero status and leaves a crash-,
# leak-, oom- or timeout- input (named sanitized-... when the sanitized build found it).
report_target() {
    local target=$1 out="$root/build/fuzz-runs/$1"
    local status sanitized line runs rate cpu_rate cov ft findings
    status=$(cat "$out/status" 2>/dev/null || echo "?")
    sanitized=$(cat "$out/sanitized-status" 2>/dev/null || echo "?")
    line=$(grep -E '^#[0-9]+.*cov: [0-9]+ ft: [0-9]+' "$out/log.txt" | tail -n 1)
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out/log.txt")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$out/log.txt")
    cpu_rate=$(awk -v runs="${runs:-0}" '{ printf "%d", ($1 + $2 > 0) ? runs / ($1 + $2) : 0 }' "$out/cpu-seconds")
    cov=$(sed -E 's/.* cov: ([0-9]+).*/\1/' <<<"$line")
    ft=$(sed -E 's/.* ft: ([0-9]+).*/\1/' <<<"$line")
    findings=$(findings_of "$out" | wc -l)
    printf '%-20s %12s %9s %9s %8s %8s %9s %7s\n' "$target" "${runs:-?}" "${rate:-?}" "${cpu_rate:-?}" "${cov:-?}" \
        "${ft:-?}" "$findings" "$status/$sanitized"
    [ "$status" = 0 ] && [ "$sanitized" = 0 ] && [ "$findings" -eq 0 ]
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

echo "fuzzed $minutes min per target; status: fast run / sanitized run of what it kept"
printf '%-20s %12s %9s %9s %8s %8s %9s %7s\n' target executions inputs/s per-cpu-s cov ft findings status
failed=0
for target in "${targets[@]}"; do
    report_target "$target" || failed=1
done
exit $failed
