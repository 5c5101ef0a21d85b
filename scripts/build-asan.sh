#!/bin/sh
# Builds Numerella, every test and the libFuzzer targets with clang,
# AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/. One
# build serves both scripts/test-sanitize.sh and scripts/fuzz.sh, so CI
# compiles the instrumented libraries once.
set -eu
cd "$(dirname "$0")/.."

scripts/setup.sh --only clang libclang-rt-14-dev

# -O1 and line tables only (-g1): stacks with file and line, tests that
# run at a usable speed, and a build that fits in the CI time.
CXX=clang++ cmake -S . -B build-asan -G Ninja -DNUMERELLA_SANITIZE=ON -DNUMERELLA_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" >/dev/null
cmake --build build-asan
