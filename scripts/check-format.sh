#!/bin/sh
# Checks that every C++ file follows .clang-format; lists those that do not.
# With --fix, formats them in place instead.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh --only clang-format
files=$(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
    # shellcheck disable=SC2086
    clang-format -i $files
    exit 0
fi
bad=""
for f in $files; do
    clang-format --dry-run -Werror "$f" >/dev/null 2>&1 || bad="$bad $f"
done
if [ -n "$bad" ]; then
    echo "Not formatted as .clang-format says (scripts/check-format.sh --fix formats them):" >&2
    for f in $bad; do echo "  $f" >&2; done
    exit 1
fi
echo "Formatting: every C++ file follows .clang-format."
