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

# Settings folder and lock of a throw-away user: a real user's settings are
# never touched.
CASA="$(mktemp -d)"
trap 'rm -rf "$CASA"' EXIT
mkdir -m 700 "$CASA/run"
export XDG_CONFIG_HOME="$CASA/config" XDG_RUNTIME_DIR="$CASA/run" NUMERELLA_BENCH=1

# Starts the program, waits for its first paint; sets PID and MS.
avvia() {
    LOG="$CASA/log"
    : >"$LOG"
    inizio=$(date +%s%3N)
    "$BUILD/numerella_misurato" 2>"$LOG" >/dev/null &
    PID=$!
    n=0
    while ! grep -q '^NUMERELLA_BENCH primo-disegno' "$LOG"; do
        n=$((n + 1))
        if [ "$n" -gt 1000 ] || ! kill -0 "$PID" 2>/dev/null; then
            echo "no first paint; the program said:" >&2
            cat "$LOG" >&2
            exit 1
        fi
        sleep 0.01
    done
    disegno=$(sed -n 's/^NUMERELLA_BENCH primo-disegno //p' "$LOG" | head -n 1)
    MS=$((disegno - inizio))
}

ferma() {
    kill "$PID" 2>/dev/null || true
    wait "$PID" 2>/dev/null || true
}

rss_mb() {
    awk '/^VmRSS:/ { printf "%.1f", $2 / 1024 }' "/proc/$PID/status"
}

TEMPI=""
i=0
while [ "$i" -lt "$RUNS" ]; do
    avvia
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
