#!/bin/sh
# Builds the libFuzzer targets with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer on) and runs each for a bounded time from the
# committed seed corpus. Any crash, hang or memory blow-up fails the run.
# Usage: scripts/fuzz.sh [seconds per target, default 30]
set -eu
cd "$(dirname "$0")/.."
SECONDS_PER_TARGET="${1:-30}"

scripts/setup.sh --only clang libclang-rt-14-dev

CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DNUMERELLA_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz --target fuzz_testi fuzz_ini fuzz_impostazioni

for t in testi ini impostazioni; do
    work="build-fuzz/corpus-$t"
    mkdir -p "$work"
    echo "fuzz_$t: ${SECONDS_PER_TARGET}s"
    rc=0
    build-fuzz/fuzz/fuzz_$t -max_total_time="$SECONDS_PER_TARGET" -max_len=8192 \
        -rss_limit_mb=1024 -timeout=10 -print_final_stats=1 \
        -artifact_prefix="build-fuzz/crash-$t-" "$work" "fuzz/corpus/$t" >"build-fuzz/fuzz-$t.log" 2>&1 || rc=$?
    tail -n 8 "build-fuzz/fuzz-$t.log"
    if [ "$rc" -ne 0 ]; then
        echo "fuzz_$t FAILED (status $rc); see build-fuzz/fuzz-$t.log"
        exit 1
    fi
done
