# Sourced by bench/avvio.sh and bench/confronto_avvio.sh: a throw-away
# user's settings folder and lock (a real user's settings are never
# touched), and starting a program up to the first paint that
# bench/spiaprimodisegno.cpp prints.

CASA="$(mktemp -d)"
trap 'rm -rf "$CASA"' EXIT
mkdir -m 700 "$CASA/run"
export XDG_CONFIG_HOME="$CASA/config" XDG_RUNTIME_DIR="$CASA/run" NUMERELLA_BENCH=1

# Starts program $1, waits for its first paint; sets PID and MS (from the
# start of the process to that paint).
avvia() {
    LOG="$CASA/log"
    : >"$LOG"
    inizio=$(date +%s%3N)
    "$1" 2>"$LOG" >/dev/null &
    PID=$!
    n=0
    while ! grep -q '^NUMERELLA_BENCH primo-disegno' "$LOG"; do
        n=$((n + 1))
        if [ "$n" -gt 1000 ] || ! kill -0 "$PID" 2>/dev/null; then
            echo "$1: no first paint; it said:" >&2
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
