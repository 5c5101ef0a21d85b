#!/bin/sh
# Takes the pictures docs/imposta.png, docs/menu-italiano.png and
# docs/menu-english.png from the real program on a virtual display.
#   tests/voice/schermate.sh [build folder]
set -eu
cd "$(dirname "$0")/../.."
BUILD="${1:-build}"
cmake --build "$BUILD" --target voice_schermate
xvfb-run -a -s "-screen 0 1024x768x24" "$BUILD/tests/voice_schermate" data docs
