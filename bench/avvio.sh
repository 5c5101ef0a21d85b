#!/bin/sh
# Start-up time and memory of the real program on a virtual display:
#   - from the start of the process to the first paint of the start screen
#     (the program prints that moment when NUMERELLA_BENCH is set), median
#     of several runs;
#   - the resident memory of the program once the main menu is up (needs
#     xdotool to press "Avvio"; without it only the start screen's is given).
# Goals: first paint under 150 ms, menu under 80 MB resident.
#   bench/avvio.sh [build folder] [runs] [display size]
set -eu
BUILD="$(cd "${1:-build}" && pwd)"
RUNS="${2:-9}"
SCHERMO="${3:-1280x800}"

if [ -z "${NUMERELLA_BENCH_DENTRO:-}" ]; then
    export NUMERELLA_BENCH_DENTRO=1
    exec xvfb-run -a -s "-screen 0 ${SCHERMO}x24" "$0" "$BUILD" "$RUNS" "$SCHERMO"
fi

. "$(dirname "$0")/primodisegno.sh"

TEMPI=""
i=0
while [ "$i" -lt "$RUNS" ]; do
    avvia "$BUILD/numerella_misurato"
    TEMPI="$TEMPI $MS"
    i=$((i + 1))
    if [ "$i" -lt "$RUNS" ]; then
        ferma
    fi
done

MEDIANA=$(echo "$TEMPI" | tr ' ' '\n' | sed '/^$/d' | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
echo "first paint of the start screen, ms (each run):$TEMPI"
echo "first paint of the start screen, median: $MEDIANA ms (goal < 150)"

sleep 1
echo "start screen resident memory: $(rss_mb) MB"
if command -v xdotool >/dev/null 2>&1; then
    # "Avvio" has the keyboard focus: Enter presses it.
    xdotool key Return
    sleep 2
    echo "main menu resident memory: $(rss_mb) MB (goal < 80)"
else
    echo "main menu resident memory: not measured (xdotool is not installed)"
fi
ferma
