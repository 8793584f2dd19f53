#!/usr/bin/env bash
# Runs every fuzz target of a build made with -DCLUEFORGE_FUZZ=ON for a number of seconds each,
# from the committed seed corpora and the token dictionary, and prints one line per target.
#   scripts/fuzz.sh BUILD_DIR SECONDS [TARGET ...]
# Fails on the first target that finds a crash, a leak, a sanitizer report or more than 1 GB of
# memory; the input that did it is left in BUILD_DIR/fuzz-artifacts/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "$1" && pwd)"
seconds="$2"
shift 2
targets=("$@")
((${#targets[@]})) || targets=(numeric settings language wordlist crossword answers answers_additions neverlist ipuz recent)

export QT_QPA_PLATFORM=offscreen
# Leaks inside the system's font library are not ours.
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp"
mkdir -p "$build/fuzz-artifacts"
for t in "${targets[@]}"; do
    work="$build/fuzz-corpus/$t"
    log="$build/fuzz-artifacts/$t.log"
    mkdir -p "$work"
    if ! "$build/fuzz/fuzz_$t" "$work" "$root/fuzz/corpus/$t" -dict="$root/fuzz/formats.dict" \
        -max_total_time="$seconds" -rss_limit_mb=1024 -print_final_stats=1 \
        -artifact_prefix="$build/fuzz-artifacts/$t-" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz_$t: FAILED (log: $log)"
        exit 1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    rss=$(sed -n 's/^stat::peak_rss_mb: *//p' "$log")
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
    echo "fuzz_$t: ${seconds} s, $runs runs, coverage $cov, peak RSS $rss MB"
done
