#!/bin/sh
# CPU use and resident memory of the program with nine animations running on
# the subtraction screen, on a 1920x1080 virtual display with real speech.
# Goals: under 3 % of one core, under 90 MB resident.
#   bench/cpu_esercizio.sh [build folder] [seconds]
# The build folder must be configured with -DNUMERELLA_BENCH=ON (bench/cifre.sh
# makes build-bench so).
set -eu
BUILD="${1:-build}"
SECONDI="${2:-20}"
exec xvfb-run -a -s "-screen 0 1920x1080x24" "$BUILD/numerella_esercizi_dal_vivo" cpu "$SECONDI"
