#!/bin/sh
# Plays an addition and a subtraction problem with real speech on a
# 1920x1080 virtual display and saves screenshots at steps 0, 3 and 7 into
# docs/ (form1-passo0.png ... form2-passo7.png), then the hints of an
# addition (form1-aiuto-conta.png, -barra.png, -tasto.png).
#   bench/foto_esercizi.sh [build folder] [output folder]
# The build folder must be configured with -DNUMERELLA_BENCH=ON (bench/cifre.sh
# makes build-bench so).
set -eu
BUILD="${1:-build}"
USCITA="${2:-docs}"
exec xvfb-run -a -s "-screen 0 1920x1080x24" "$BUILD/numerella_esercizi_dal_vivo" foto "$USCITA"
