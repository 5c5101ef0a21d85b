#!/bin/sh
# Start-up with a language file of about 10 MB: a copy of the built program
# and its data in a temporary folder, "Grande.lng" (the Italian file with
# comment lines before every section, so that its entries are spread over
# the whole file) chosen in its LangSetting.ini, then bench/avvio.sh on that
# copy: start to first paint of the start screen, median of several runs.
# Goal: under 1 s.
#   bench/lingua_grande.sh [build folder] [runs] [size in bytes]
set -eu
RADICE="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="$(cd "${1:-$RADICE/build-bench}" && pwd)"
RUNS="${2:-5}"
DIMENSIONE="${3:-10000000}"

COPIA="$(mktemp -d)"
trap 'rm -rf "$COPIA"' EXIT
# A copy, not a link: the program finds its data beside its own file.
cp "$BUILD/numerella_misurato" "$COPIA/"
for d in gifanimate icone suoni testi; do
    ln -s "$BUILD/$d" "$COPIA/$d"
done
cp "$BUILD/Italiano.lng" "$BUILD/English.lng" "$COPIA/"

# Comment lines (';') give no key to either reader.
SEZIONI=$(grep -c '^\[' "$BUILD/Italiano.lng")
awk -v sezioni="$SEZIONI" -v dimensione="$DIMENSIONE" '
    BEGIN { riga = "; nota del traduttore: riga che rende il file di lingua molto piu lungo del solito, 0000000\r"
            per = int(dimensione / (length(riga) + 1) / sezioni) + 1; n = 0 }
    /^\[/ { for (i = 0; i < per; i++) { printf "; nota del traduttore: riga che rende il file di lingua molto piu lungo del solito, %07d\r\n", n++ } }
    { print }' "$BUILD/Italiano.lng" >"$COPIA/Grande.lng"
printf '[Language]\r\nCurrentLanguage=Grande\r\n' >"$COPIA/LangSetting.ini"
echo "language file: Grande.lng, $(wc -c <"$COPIA/Grande.lng") bytes"

"$RADICE/bench/avvio.sh" "$COPIA" "$RUNS"
