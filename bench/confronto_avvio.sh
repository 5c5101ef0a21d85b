#!/bin/sh
# The program's start screen beside a bare Qt Widgets program showing one
# 1280x800 label (numerella_nudo), started in turn in the same run on one
# virtual display of 1280x800: the time from the start of the process to
# the first paint of its mapped window, and the resident memory once it
# has settled (1 s later). Prints each median and the ratios program/bare.
# Goal: both ratios within 1.3.
#   bench/confronto_avvio.sh [build folder] [runs]
set -eu
BUILD="$(cd "${1:-build}" && pwd)"
RUNS="${2:-9}"

if [ -z "${NUMERELLA_BENCH_DENTRO:-}" ]; then
    export NUMERELLA_BENCH_DENTRO=1
    exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$BUILD" "$RUNS"
fi

. "$(dirname "$0")/primodisegno.sh"

# Starts a program, waits for its first paint, then 1 s; prints "ms rss_mb".
misura() {
    avvia "$1"
    sleep 1
    rss=$(rss_mb)
    ferma
    echo "$MS $rss"
}

mediana() {
    sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

: >"$CASA/programma"
: >"$CASA/nudo"
i=0
while [ "$i" -lt "$RUNS" ]; do
    i=$((i + 1))
    misura "$BUILD/numerella_misurato" >>"$CASA/programma"
    misura "$BUILD/numerella_nudo" >>"$CASA/nudo"
done
P_MS=$(cut -d' ' -f1 "$CASA/programma" | mediana)
P_RSS=$(cut -d' ' -f2 "$CASA/programma" | mediana)
N_MS=$(cut -d' ' -f1 "$CASA/nudo" | mediana)
N_RSS=$(cut -d' ' -f2 "$CASA/nudo" | mediana)
echo "program, ms and MB (each run):" $(tr '\n' ';' <"$CASA/programma")
echo "bare Qt Widgets label, ms and MB (each run):" $(tr '\n' ';' <"$CASA/nudo")
echo "first paint: program $P_MS ms, bare $N_MS ms (medians of $RUNS)"
echo "resident memory: program $P_RSS MB, bare $N_RSS MB (medians of $RUNS)"
echo "CIFRA avvio_rapporto $(awk -v a="$P_MS" -v b="$N_MS" 'BEGIN { printf "%.2f", a / b }')"
echo "CIFRA memoria_rapporto $(awk -v a="$P_RSS" -v b="$N_RSS" 'BEGIN { printf "%.2f", a / b }')"
