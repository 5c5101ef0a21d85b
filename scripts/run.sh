#!/bin/sh
# Installs what is missing, builds Numerella into build/ and starts it on
# the user's display.
set -eu
cd "$(dirname "$0")/.."

scripts/setup.sh

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Numerella needs a display, and none was found (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    echo "Start it from a desktop session, or inside a virtual display with:" >&2
    echo "    xvfb-run -a build/numerella" >&2
    exit 1
fi

exec build/numerella "$@"
