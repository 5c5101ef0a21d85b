#!/bin/sh
# Non-blank lines of test code (tests/ and fuzz/: C++, scripts, CMake)
# against the non-blank C++ lines under src/.
cd "$(dirname "$0")/.."
test=$(find tests fuzz -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.py' -o -name '*.sh' -o -name '*.cmake' -o -name CMakeLists.txt \) -exec cat {} + | grep -cv '^\s*$')
src=$(find src -type f \( -name '*.cpp' -o -name '*.h' \) -exec cat {} + | grep -cv '^\s*$')
echo "tests $test, src $src: $((100 * test / src))%"
