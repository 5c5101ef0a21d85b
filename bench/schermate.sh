#!/bin/sh
# Takes the pictures docs/imposta.png, docs/menu-italiano.png and
# docs/menu-english.png from the real program on a virtual display; then,
# at 1024x768 and 3840x2160, the exercise and the voice screens in a
# language with captions 40 per cent longer than the shipped ones
# (docs/form1-lunga-<size>.png, docs/imposta-lunga-<size>.png); last, at
# 1024x768, a class of 30 pupils: docs/chigioca.png, docs/form1-alunno.png,
# docs/classe.png and docs/registro.png.
#   bench/schermate.sh [build folder] [output folder]
# The build folder must be configured with -DNUMERELLA_BENCH=ON (bench/cifre.sh
# makes build-bench so).
set -eu
cd "$(dirname "$0")/.."
BUILD="${1:-build-bench}"
USCITA="${2:-docs}"
cmake --build "$BUILD" --target numerella_schermate
xvfb-run -a -s "-screen 0 1024x768x24" "$BUILD/numerella_schermate" data "$USCITA"
for schermo in 1024x768 3840x2160; do
    xvfb-run -a -s "-screen 0 ${schermo}x24" "$BUILD/numerella_schermate" data "$USCITA" lunga
done
xvfb-run -a -s "-screen 0 1024x768x24" "$BUILD/numerella_schermate" data "$USCITA" classe
