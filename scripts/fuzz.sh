#!/bin/sh
# Builds the libFuzzer targets with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer on, in build-asan/ with the sanitizer tests) and runs each for a bounded time from the
# committed seed corpus. Any crash, hang or memory blow-up fails the run.
# Usage: scripts/fuzz.sh [seconds per target, default 30]
set -eu
cd "$(dirname "$0")/.."
SECONDS_PER_TARGET="${1:-30}"

# The fuzzers are part of the sanitizer build; after scripts/test-sanitize.sh
# this only checks that it is up to date.
scripts/build-asan.sh

for t in testi ini impostazioni; do
    work="build-asan/corpus-$t"
    mkdir -p "$work"
    echo "fuzz_$t: ${SECONDS_PER_TARGET}s"
    rc=0
    build-asan/fuzz/fuzz_$t -max_total_time="$SECONDS_PER_TARGET" -max_len=8192 \
        -rss_limit_mb=1024 -timeout=10 -print_final_stats=1 \
        -artifact_prefix="build-asan/crash-$t-" "$work" "fuzz/corpus/$t" >"build-asan/fuzz-$t.log" 2>&1 || rc=$?
    tail -n 8 "build-asan/fuzz-$t.log"
    if [ "$rc" -ne 0 ]; then
        echo "fuzz_$t FAILED (status $rc); see build-asan/fuzz-$t.log"
        exit 1
    fi
done
