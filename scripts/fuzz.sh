#!/usr/bin/env bash
# Runs every fuzz target in fuzz/ for SECONDS (default 600) from its corpus, two targets at a
# time, in the clang build with AddressSanitizer + UndefinedBehaviorSanitizer.
#
#   scripts/fuzz.sh [SECONDS]
#
# Inputs that find new code are merged into fuzz/corpus/<target> (minimised with -merge=1;
# FUZZ_MERGE=0 leaves the corpora alone, as CI does). An input that crashes a target is kept
# in BUILD/fuzz-findings/ and the script fails; add it to the target's corpus and to a
# regression test. FUZZ_JOBS sets how many targets run at once, FUZZ_BUILD the build folder,
# FUZZ_TARGETS (e.g. "fuzz_bmp fuzz_jpeg") runs only those.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-600}
jobs=${FUZZ_JOBS:-2}
build=${FUZZ_BUILD:-build-sanitize}
merge=${FUZZ_MERGE:-1}
findings=$build/fuzz-findings/$(date +%Y%m%d-%H%M%S)

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVELTMOOR_SANITIZE=ON -DVELTMOOR_FUZZ=ON -DVELTMOOR_WERROR=ON -DVELTMOOR_BENCH=OFF >/dev/null
targets=()
for source in fuzz/fuzz_*.cpp; do
    targets+=("$(basename "$source" .cpp)")
done
if [ -n "${FUZZ_TARGETS:-}" ]; then
    read -r -a targets <<<"$FUZZ_TARGETS"
fi
cmake --build "$build" --target "${targets[@]}"
mkdir -p "$findings"

# One target: fuzz from the corpus into a scratch folder, then merge what is new.
fuzz_one() {
    local name=$1 corpus=fuzz/corpus/${1#fuzz_} work log status=0
    work=$(mktemp -d)
    log=$findings/$name.log
    ASAN_OPTIONS=detect_leaks=0 "$build/fuzz/$name" -max_total_time="$seconds" \
        -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$findings/$name-" "$work" "$corpus" >"$log" 2>&1 || status=$?
    if [ "$status" -eq 0 ] && [ "$merge" = 1 ] && [ -n "$(ls -A "$work")" ]; then
        ASAN_OPTIONS=detect_leaks=0 "$build/fuzz/$name" -merge=1 -rss_limit_mb=2048 \
            -timeout=10 "$corpus" "$work" >>"$log" 2>&1 || status=$?
    fi
    rm -rf "$work"
    local runs
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    echo "-- $name: ${runs:-?} runs in ${seconds} s, $(ls "$corpus" | wc -l) corpus files," \
        "status $status (log: $log)"
    return "$status"
}

failed=0
running=0
for name in "${targets[@]}"; do
    if [ "$running" -ge "$jobs" ]; then
        wait -n || failed=1
        running=$((running - 1))
    fi
    fuzz_one "$name" &
    running=$((running + 1))
done
while [ "$running" -gt 0 ]; do
    wait -n || failed=1
    running=$((running - 1))
done

# libFuzzer also keeps inputs that merely ran long ("slow-unit-"); on a busy machine those
# are noise, so they are listed but do not fail the run.
slow=$(find "$findings" -type f -name '*slow-unit-*')
if [ -n "$slow" ]; then
    echo "Inputs that ran slowly (run each alone to see whether it still is):"
    echo "$slow"
fi
crashes=$(find "$findings" -type f ! -name '*.log' ! -name '*slow-unit-*')
if [ -n "$crashes" ] || [ "$failed" -ne 0 ]; then
    echo "Fuzzing found faults; the inputs that show them:" >&2
    echo "${crashes:-  (none kept; see the logs)}" >&2
    exit 1
fi
echo "Fuzzing finished without a finding."
