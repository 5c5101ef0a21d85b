#!/bin/sh
# Takes the pictures docs/imposta.png, docs/menu-italiano.png and
# docs/menu-english.png from the real program on a virtual display.
#   bench/schermate.sh [build folder] [output folder]
# The build folder must be configured with -DNUMERELLA_BENCH=ON (bench/cifre.sh
# makes build-bench so).
set -eu
cd "$(dirname "$0")/.."
BUILD="${1:-build-bench}"
USCITA="${2:-docs}"
cmake --build "$BUILD" --target numerella_schermate
exec xvfb-run -a -s "-screen 0 1024x768x24" "$BUILD/numerella_schermate" data "$USCITA"
