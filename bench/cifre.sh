#!/bin/sh
# The program's figures in one table: builds the program and its benchmarks
# in Release, runs every measurement of bench/ against the real program on a
# virtual display (real espeak-ng speech, played into a private PulseAudio
# null sink when pulseaudio is installed), and prints a markdown table with
# each figure's value (a median), its goal, whether it is met, and the
# command that measures it. Takes a few minutes.
#   bench/cifre.sh [build folder] [runs]
# build folder: default build-bench beside this repository's sources;
# runs: processes started per CPU/memory figure (default 3).
# Every command's output is kept in <build folder>/cifre/.
set -eu
RADICE="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${1:-$RADICE/build-bench}"
RUNS="${2:-3}"
mkdir -p "$BUILD"
BUILD="$(cd "$BUILD" && pwd)"
LOG="$BUILD/cifre"
rm -rf "$LOG"
mkdir -p "$LOG"

# Commands are shown relative to the repository when they can be.
corto() {
    case "$1" in
    "$RADICE"/*) printf '%s' "${1#"$RADICE"/}" ;;
    *) printf '%s' "$1" ;;
    esac
}
B="$(corto "$BUILD")"
SCHERMO='xvfb-run -a -s "-screen 0 1920x1080x24"'

echo "building $B (Release, benchmarks on)..." >&2
cmake -S "$RADICE" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DNUMERELLA_BENCH=ON \
    -DNUMERELLA_TESTS=ON >"$LOG/cmake.log" 2>&1 || { cat "$LOG/cmake.log" >&2; exit 1; }
cmake --build "$BUILD" --target numerella numerella_misurato numerella_nudo numerella_data numerella_esercizi_dal_vivo \
    numerella_animazione_lunga bench_parla bench_registro bench_scelta \
    >"$LOG/build.log" 2>&1 || { tail -n 40 "$LOG/build.log" >&2; exit 1; }
CARICO_PRIMA="$(cut -d' ' -f1-3 /proc/loadavg)"

# The true median of the numbers on stdin (one a line), or "failed".
mediana() {
    sort -g | awk '{ v[NR] = $1 } END {
        if (NR == 0) { print "failed"; exit }
        if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# The value of "CIFRA <name> <value>" lines of a log, one a line.
cifra() {
    sed -n "s/^CIFRA $1 //p" "$2"
}

# Runs a measuring command, its output into a log; a failure is reported
# and leaves that figure empty.
esegui() {
    log="$1"
    shift
    echo "  $*" >&2
    if ! "$@" >"$log" 2>&1; then
        echo "  (failed; see $log)" >&2
    fi
}

# 1. Start to first paint (and the start screen's memory).
echo "start-up..." >&2
esegui "$LOG/avvio.log" "$RADICE/bench/avvio.sh" "$BUILD" 9
AVVIO="$(sed -n 's/^first paint of the start screen, median: \([0-9.]*\) ms.*/\1/p' "$LOG/avvio.log")"
[ -n "$AVVIO" ] || AVVIO=failed

# The start screen beside a bare Qt Widgets label, both on a 1280x800 display.
echo "start-up beside a bare Qt Widgets program..." >&2
esegui "$LOG/confronto.log" "$RADICE/bench/confronto_avvio.sh" "$BUILD" 9
R_AVVIO="$(cifra avvio_rapporto "$LOG/confronto.log")"
R_MEMORIA="$(cifra memoria_rapporto "$LOG/confronto.log")"
P_MEMORIA="$(sed -n 's/^resident memory: program \([0-9.]*\) MB.*/\1/p' "$LOG/confronto.log")"
P_MEMORIA="${P_MEMORIA:-failed}"

# Start-up with a language file of 10 MB.
echo "start-up with a 10 MB language file..." >&2
esegui "$LOG/lingua_grande.log" "$RADICE/bench/lingua_grande.sh" "$BUILD" 9
AVVIO_GRANDE="$(sed -n 's/^first paint of the start screen, median: \([0-9.]*\) ms.*/\1/p' "$LOG/lingua_grande.log")"
[ -n "$AVVIO_GRANDE" ] || AVVIO_GRANDE=failed

# 2. The menu: CPU while nothing happens, resident memory.
echo "menu, $RUNS runs..." >&2
i=0
: >"$LOG/menu-tutti.log"
while [ "$i" -lt "$RUNS" ]; do
    i=$((i + 1))
    esegui "$LOG/menu-$i.log" xvfb-run -a -s "-screen 0 1920x1080x24" "$BUILD/numerella_esercizi_dal_vivo" menu 8
    cat "$LOG/menu-$i.log" >>"$LOG/menu-tutti.log"
done
CPU_MENU="$(cifra cpu_menu_pct "$LOG/menu-tutti.log" | mediana)"
RSS_MENU="$(cifra rss_menu_mb "$LOG/menu-tutti.log" | mediana)"

# 3. The subtraction screen with nine animations: CPU and memory.
echo "exercise screen, $RUNS runs..." >&2
i=0
: >"$LOG/esercizio-tutti.log"
while [ "$i" -lt "$RUNS" ]; do
    i=$((i + 1))
    esegui "$LOG/esercizio-$i.log" xvfb-run -a -s "-screen 0 1920x1080x24" "$BUILD/numerella_esercizi_dal_vivo" cpu 8
    cat "$LOG/esercizio-$i.log" >>"$LOG/esercizio-tutti.log"
done
CPU_ES="$(cifra cpu_esercizio_pct "$LOG/esercizio-tutti.log" | mediana)"
RSS_ES="$(cifra rss_esercizio_mb "$LOG/esercizio-tutti.log" | mediana)"

# A teacher's long animation (3000 frames) in one cell of 300 pixels.
echo "long animation..." >&2
esegui "$LOG/animazione-lunga.log" xvfb-run -a "$BUILD/numerella_animazione_lunga" 12
RSS_LUNGA="$(cifra rss_animazione_lunga_mb "$LOG/animazione-lunga.log")"
[ -n "$RSS_LUNGA" ] || RSS_LUNGA=failed

# 4. CPU of the user-interface thread while Parla waits for speech.
echo "speech wait, $RUNS runs..." >&2
i=0
: >"$LOG/parla-tutti.log"
while [ "$i" -lt "$RUNS" ]; do
    i=$((i + 1))
    esegui "$LOG/parla-$i.log" "$BUILD/bench_parla" 10
    cat "$LOG/parla-$i.log" >>"$LOG/parla-tutti.log"
done
ATTESA="$(sed -n 's/.*UI thread CPU [0-9.]* ms = \([0-9.]*\)% of a core.*/\1/p' "$LOG/parla-tutti.log" | mediana)"
ATTESA_TUTTO="$(sed -n 's/.*whole process [0-9.]* ms = \([0-9.]*\)%.*/\1/p' "$LOG/parla-tutti.log" | mediana)"

# 5. A right answer to the first audio of the answer sentence.
echo "right answer -> speech..." >&2
PROBLEMI=12
esegui "$LOG/risposta.log" xvfb-run -a -s "-screen 0 1920x1080x24" "$BUILD/numerella_esercizi_dal_vivo" risposta "$PROBLEMI"
RISPOSTA="$(cifra risposta_audio_ms "$LOG/risposta.log" | mediana)"

# The exercise button to the first question painted, "avanti" to the next.
echo "opening the addition screen, avanti..." >&2
APERTURE=9
esegui "$LOG/apertura.log" xvfb-run -a -s "-screen 0 1920x1080x24" "$BUILD/numerella_esercizi_dal_vivo" apertura "$APERTURE"
APERTURA="$(cifra apertura_ms "$LOG/apertura.log" | mediana)"
APERTURA_PRIMA="$(cifra apertura_primo_ms "$LOG/apertura.log")"
AVANTI="$(cifra avanti_ms "$LOG/apertura.log" | mediana)"

# 6. The language switch of every loaded screen.
echo "language switch..." >&2
CAMBI=11
esegui "$LOG/lingua.log" xvfb-run -a -s "-screen 0 1920x1080x24" "$BUILD/numerella_esercizi_dal_vivo" lingua "$CAMBI"
L_MENU="$(cifra lingua_menu_ms "$LOG/lingua.log" | mediana)"
L_ES="$(cifra lingua_esercizio_ms "$LOG/lingua.log" | mediana)"
LG_MENU="$(cifra lingua_grande_menu_ms "$LOG/lingua.log" | mediana)"
LG_ES="$(cifra lingua_grande_esercizio_ms "$LOG/lingua.log" | mediana)"
# The same switches' CPU time on the user-interface thread: what the
# switch costs even when other processes share the machine.
cpu_lingua() {
    uno "$(cifra "$1_cpu" "$LOG/lingua.log" | mediana)" " ms"
}
# Press to first sound heard in the null sink, fresh starts, idle and with
# both cores busy; the longest silence inside a recorded question.
echo "press -> first sound heard, 5 fresh starts, then the same with both cores busy..." >&2
esegui "$LOG/sentito.log" "$RADICE/bench/sentito.sh" "$BUILD" 5
esegui "$LOG/sentito-occupato.log" "$RADICE/bench/sentito.sh" "$BUILD" 5 occupato
sentito() {
    uno "$(cifra "$1" "$LOG/sentito$2.log")" " ms"
}
# 7. The record view's reading and summaries of a school year, one append.
echo "record..." >&2
esegui "$LOG/registro.log" "$BUILD/bench_registro" "$RADICE/data" 9
R_SCHERMO="$(cifra registro_schermo_ms "$LOG/registro.log")"
R_VISTA="$(cifra registro_vista_ms "$LOG/registro.log")"
R_AGGIUNTA="$(cifra registro_aggiunta_ms "$LOG/registro.log")"
R_PRIMA="$(cifra registro_prima_aggiunta_ms "$LOG/registro.log")"
# 8. The next problem chosen with a school year of a pupil's record behind it.
esegui "$LOG/scelta.log" "$BUILD/bench_scelta" 101
S_TUTTO="$(cifra scelta_tutto_ms "$LOG/scelta.log")"
S_PROSSIMO="$(cifra scelta_prossimo_us "$LOG/scelta.log")"
CARICO_DOPO="$(cut -d' ' -f1-3 /proc/loadavg)"

AUDIO="$(sed -n 's/^audio output: //p' "$LOG/risposta.log" | head -n 1)"

# "yes" when value < goal, "NO" when not, "?" without a value.
esito() {
    awk -v v="$1" -v g="$2" 'BEGIN {
        if (v !~ /^[0-9.]+$/) print "?"; else if (v + 0 < g + 0) print "yes"; else print "**NO**" }'
}

# value, unit: rounded to one decimal.
uno() {
    case "$1" in
    failed) printf 'failed' ;;
    *) awk -v v="$1" -v u="$2" 'BEGIN { printf "%.1f%s", v, u }' ;;
    esac
}

riga() {
    # figure | value | goal | met | command
    printf '| %s | %s | %s | %s | `%s` |\n' "$1" "$2" "< $3$4" "$(esito "$5" "$3")" "$6"
}

V="$B/numerella_esercizi_dal_vivo"
echo
echo "| Figure | Value | Goal | Met | Command |"
echo "|---|---|---|---|---|"
riga "Start to first painted screen" "$(uno "$AVVIO" " ms") (median of 9 starts)" 150 " ms" "$AVVIO" \
    "bench/avvio.sh $B 9"
riga "Start screen beside a bare Qt Widgets 1280x800 label: time to first paint, ratio" \
    "${R_AVVIO:-failed}x (median of 9 each)" 1.3 "x" "$R_AVVIO" "bench/confronto_avvio.sh $B 9"
riga "Start screen beside a bare Qt Widgets 1280x800 label: resident memory, ratio" \
    "${R_MEMORIA:-failed}x, program $(uno "$P_MEMORIA" " MB") (median of 9 each)" 1.3 "x" "$R_MEMORIA" \
    "bench/confronto_avvio.sh $B 9"
riga "Start to first painted screen, 10 MB language file" "$(uno "$AVVIO_GRANDE" " ms") (median of 9 starts)" \
    1000 " ms" "$AVVIO_GRANDE" "bench/lingua_grande.sh $B 9"
riga "Resident memory, main menu" "$(uno "$RSS_MENU" " MB") (median of $RUNS runs)" 80 " MB" "$RSS_MENU" \
    "$SCHERMO $V menu 8"
riga "Resident memory, exercise screen with nine animations" "$(uno "$RSS_ES" " MB") (median of $RUNS runs)" \
    90 " MB" "$RSS_ES" "$SCHERMO $V cpu 8"
riga "Peak resident memory, one cell playing 3000 frames of 64x64 for 12 s" "$(uno "$RSS_LUNGA" " MB")" 80 " MB" \
    "$RSS_LUNGA" "xvfb-run -a $B/numerella_animazione_lunga 12"
riga "CPU idle, exercise screen with nine animations" \
    "$(uno "$CPU_ES" " %") of a core (median of $RUNS runs of 8 s)" 3 " %" "$CPU_ES" "$SCHERMO $V cpu 8"
riga "CPU idle, main menu" "$(uno "$CPU_MENU" " %") of a core (median of $RUNS runs of 8 s)" 1 " %" "$CPU_MENU" \
    "$SCHERMO $V menu 8"
riga "CPU while waiting for speech (UI thread)" \
    "$(uno "$ATTESA" " %") of a core; whole process $(uno "$ATTESA_TUTTO" " %") (median of $RUNS runs)" \
    3 " %" "$ATTESA" "$B/bench_parla 10"
riga "\"Problemi con addizione\" pressed to the first question painted" \
    "$(uno "$APERTURA" " ms"), first time $(uno "$APERTURA_PRIMA" " ms") (median of $APERTURE)" 100 " ms" \
    "$APERTURA" "$SCHERMO $V apertura $APERTURE"
riga "\"avanti\" to the next question painted" "$(uno "$AVANTI" " ms") (median of $APERTURE)" 50 " ms" "$AVANTI" \
    "$SCHERMO $V apertura $APERTURE"
riga "Right answer to first audio sample of the answer" \
    "$(uno "$RISPOSTA" " ms") (median of $PROBLEMI problems)" 30 " ms" "$RISPOSTA" "$SCHERMO $V risposta $PROBLEMI"
S="bench/sentito.sh $B 5"
for caso in "" -occupato; do
    quando=""
    [ -z "$caso" ] || quando=", both cores busy (two shell loops)"
    opz=""
    [ -z "$caso" ] || opz=" occupato"
    riga "\"Problemi con addizione\" pressed to the first sound heard$quando" \
        "$(sentito sentito_apertura_ms "$caso"); paplay's beep $(sentito sentito_paplay_ms "$caso") (median of 5 fresh starts)" \
        60 " ms" "$(cifra sentito_apertura_ms "$LOG/sentito$caso.log")" "$S$opz"
    riga "Right answer to the first sound of the answer heard$quando" \
        "$(sentito sentito_risposta_ms "$caso"); paplay's beep $(sentito sentito_paplay_ms "$caso") (median of 5 fresh starts)" \
        60 " ms" "$(cifra sentito_risposta_ms "$LOG/sentito$caso.log")" "$S$opz"
    riga "Repeat button to the first sound heard$quando" "$(sentito sentito_ripeti_ms "$caso") (median of 5 fresh starts)" \
        60 " ms" "$(cifra sentito_ripeti_ms "$LOG/sentito$caso.log")" "$S$opz"
    riga "Wrong answer to the wrong sound heard$quando" "$(sentito sentito_errore_ms "$caso") (median of 5 fresh starts)" \
        40 " ms" "$(cifra sentito_errore_ms "$LOG/sentito$caso.log")" "$S$opz"
    riga "Longest silence inside the first question as recorded$quando, beyond its synthesised samples'" \
        "$(sentito silenzio_registrato_ms "$caso") recorded, $(sentito silenzio_sintesi_ms "$caso") synthesised (longest of 5)" \
        1 " ms" "$(awk -v r="$(cifra silenzio_registrato_ms "$LOG/sentito$caso.log")" \
            -v s="$(cifra silenzio_sintesi_ms "$LOG/sentito$caso.log")" 'BEGIN {
            if (r !~ /^[0-9.]+$/ || s !~ /^[0-9.]+$/) print "failed"; else { d = r - s; print (d < 0 ? 0 : d) } }')" "$S$opz"
done
riga "Language switch, FormBocca + FormMenu, shipped files" \
    "$(uno "$L_MENU" " ms"), UI thread CPU $(cpu_lingua lingua_menu_ms) (median of $((2 * CAMBI)) switches)" 50 " ms" "$L_MENU" "$SCHERMO $V lingua $CAMBI"
riga "Language switch, FormBocca + FormMenu + Form1, shipped files" \
    "$(uno "$L_ES" " ms"), UI thread CPU $(cpu_lingua lingua_esercizio_ms) (median of $((2 * CAMBI)) switches)" 50 " ms" "$L_ES" "$SCHERMO $V lingua $CAMBI"
riga "Language switch, FormBocca + FormMenu, 70 KB language file" \
    "$(uno "$LG_MENU" " ms"), UI thread CPU $(cpu_lingua lingua_grande_menu_ms) (median of $CAMBI switches)" 50 " ms" "$LG_MENU" "$SCHERMO $V lingua $CAMBI"
riga "Language switch, FormBocca + FormMenu + Form1, 70 KB language file" \
    "$(uno "$LG_ES" " ms"), UI thread CPU $(cpu_lingua lingua_grande_esercizio_ms) (median of $CAMBI switches)" 50 " ms" "$LG_ES" "$SCHERMO $V lingua $CAMBI"
riga "Record view opened on 120,000 rows (30 pupils, 20 problems a day, 200 days)" \
    "$(uno "${R_SCHERMO:-failed}" " ms"), of which reading and summaries $(uno "${R_VISTA:-failed}" " ms") (median of 9)" \
    300 " ms" "${R_SCHERMO:-failed}" "$B/bench_registro data 9"
riga "Record: one row appended and flushed to disk" \
    "$(uno "${R_AGGIUNTA:-failed}" " ms"), the run's first $(uno "${R_PRIMA:-failed}" " ms") (median of 180)" 5 " ms" \
    "${R_AGGIUNTA:-failed}" "$B/bench_registro data 9"
riga "Next problem chosen with 4,000 rows of a pupil's record behind it (the record folded, then the choice)" \
    "${S_TUTTO:-failed} ms, the choice alone ${S_PROSSIMO:-failed} us (median of 101)" \
    1 " ms" "${S_TUTTO:-failed}" "$B/bench_scelta 101"
echo
if awk -v a="${CARICO_PRIMA%% *}" -v b="${CARICO_DOPO%% *}" -v n="$(nproc)" 'BEGIN { exit !(a > n || b > n) }'; then
    echo "Warning: the machine was busy (load average above the number of cores): the wall-clock figures" \
        "(start-up, answer latency, language switch) are inflated; CPU and memory figures are not."
    echo
fi
echo "Release build in $B; audio: ${AUDIO:-unknown}; load average before $CARICO_PRIMA, after $CARICO_DOPO" \
    "($(nproc) cores). Logs: $(corto "$LOG")/."
