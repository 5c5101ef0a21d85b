#!/bin/sh
# Installs what is missing, builds Numerella with its tests into build/ and
# runs every test headless (no display or sound card needed). Safe to run
# again; works as root or as a user who may use sudo.
set -eu
cd "$(dirname "$0")/.."

scripts/setup.sh

QT_QPA_PLATFORM=offscreen
export QT_QPA_PLATFORM
exec ctest --test-dir build --output-on-failure -j2
