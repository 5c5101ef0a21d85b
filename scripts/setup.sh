#!/bin/sh
# Installs the Debian packages Numerella needs (only those missing) and
# builds the program into build/. Safe to run again: it installs nothing
# that is already there and rebuilds only what changed.
#   scripts/setup.sh                  packages, then the build
#   scripts/setup.sh --only PKG...    only the given packages (the fuzz
#                                     script uses it for clang)
set -eu
cd "$(dirname "$0")/.."

PACKAGES="build-essential cmake ninja-build pkg-config \
qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins qt6-translations-l10n \
libespeak-ng-dev espeak-ng-data libpulse-dev \
fonts-dejavu-core fonts-comic-neue fonts-liberation2 \
xvfb xauth pulseaudio pulseaudio-utils sox"

ONLY=0
if [ "${1:-}" = "--only" ]; then
    ONLY=1
    shift
    PACKAGES="$*"
fi

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

if [ -n "$missing" ]; then
    echo "Installing:$missing"
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
    $SUDO apt-get update
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
fi

if [ "$ONLY" -eq 1 ]; then
    exit 0
fi

# Optimised, without debug information: the build that a school runs, and
# the quickest to make on a small machine.
BUILD_TYPE="${NUMERELLA_BUILD_TYPE:-Release}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="$BUILD_TYPE" -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
    -DNUMERELLA_WERROR=ON
cmake --build build
