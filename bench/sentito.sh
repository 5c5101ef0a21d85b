#!/bin/sh
# Press to first sound heard, black-box: the real program, fresh each time,
# plays into a private PulseAudio null sink whose monitor is recorded in
# pieces of 5 ms with their arrival times (bench/sentito.h). Prints each
# run's figures, then the medians as "CIFRA <name> <value>" lines.
#   bench/sentito.sh <build folder> [runs] [busy]
# runs: fresh starts (default 5); busy: "occupato" keeps both cores busy
# with two shell loops at normal priority for the whole measurement.
set -eu
BUILD="$1"
RUNS="${2:-5}"
MODO="${3:-}"

OCCUPATI=""
smetti() {
    for pid in $OCCUPATI; do
        kill "$pid" 2>/dev/null || true
    done
}
trap smetti EXIT
if [ "$MODO" = occupato ]; then
    for _ in 1 2; do
        sh -c 'while :; do :; done' &
        OCCUPATI="$OCCUPATI $!"
    done
fi

TUTTI="$(mktemp)"
i=0
while [ "$i" -lt "$RUNS" ]; do
    i=$((i + 1))
    xvfb-run -a -s "-screen 0 1920x1080x24" "$BUILD/numerella_esercizi_dal_vivo" sentito >"$TUTTI.$i" 2>&1 || {
        echo "run $i failed:" >&2
        tail -n 5 "$TUTTI.$i" >&2
    }
    grep '^CIFRA' "$TUTTI.$i" >>"$TUTTI" || true
    echo "run $i: $(sed -n 's/^CIFRA \([a-z_]*\) \([0-9.]*\)$/\1=\2/p' "$TUTTI.$i" | tr '\n' ' ')"
    rm -f "$TUTTI.$i"
done

for nome in sentito_apertura_ms sentito_risposta_ms sentito_errore_ms sentito_ripeti_ms sentito_paplay_ms \
    silenzio_registrato_ms silenzio_sintesi_ms; do
    sed -n "s/^CIFRA $nome //p" "$TUTTI" | sort -g | awk -v n="$nome" '{ v[NR] = $1 } END {
        if (NR == 0) { print "CIFRA " n " failed"; exit }
        if (n ~ /^silenzio/) { print "CIFRA " n " " v[NR]; exit } # the longest of all runs
        printf "CIFRA %s %s\n", n, (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
done
rm -f "$TUTTI"
