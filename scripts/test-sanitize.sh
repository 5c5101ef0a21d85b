#!/bin/sh
# Builds Numerella and every test with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/ (scripts/build-asan.sh) and
# runs the tests there, with LeakSanitizer on. Any invalid memory access, undefined behaviour or leak
# fails the test it happens in. Leaks inside system libraries that the
# program cannot free are listed, with the reason, in tests/lsan.supp;
# nothing of the program's own is.
# Needs what scripts/setup.sh installs. Extra arguments go to ctest
# (for example -R tst_resistenza).
set -eu
cd "$(dirname "$0")/.."

scripts/build-asan.sh

QT_QPA_PLATFORM=offscreen
ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:detect_stack_use_after_return=1"
LSAN_OPTIONS="suppressions=$(pwd)/tests/lsan.supp:print_suppressions=0"
UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS
exec ctest --test-dir build-asan --output-on-failure -j2 "$@"
