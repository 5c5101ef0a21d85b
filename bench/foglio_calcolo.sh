#!/bin/sh
# Opens a record the program wrote in LibreOffice Calc, as a teacher would with
# every separator ticked (comma, semicolon and tab) and formulas evaluated, and
# counts what went wrong: cells that became formulas, rows whose pupil,
# language or story file did not come back whole in its cell, and rows that
# are not problems (a cut row shown as a row, a day or a time that is not a
# date or a time value). Each count must be 0.
#   bench/foglio_calcolo.sh [build folder]
# build folder: default build-bench beside this repository's sources.
set -eu
RADICE="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${1:-$RADICE/build-bench}"

"$RADICE/scripts/setup.sh" --only libreoffice-calc-nogui python3 >&2
cmake -S "$RADICE" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DNUMERELLA_BENCH=ON >/dev/null
cmake --build "$BUILD" --target bench_foglio_calcolo numerella_data >/dev/null

LAVORO="$(mktemp -d)"
trap 'rm -rf "$LAVORO"' EXIT
# The program folder is the build folder, where the build copies data/.
"$BUILD/bench_foglio_calcolo" "$BUILD" "$LAVORO/registro" >"$LAVORO/attese.jsonl" 2>"$LAVORO/percorso"
REGISTRO="$(tail -n 1 "$LAVORO/percorso")"
echo "record: $(basename "$REGISTRO"), $(wc -l <"$LAVORO/attese.jsonl") rows written, one row cut and moved to" \
    "$(basename "$REGISTRO").troncata ($(wc -c <"$REGISTRO.troncata") bytes)"

# Separators 59/44/9 (semicolon, comma, tab), quote 34, UTF-8 (76), from line
# 1, no column types, no quoted field as text, special numbers detected,
# formulas evaluated (the 13th option).
soffice --headless -env:UserInstallation="file://$LAVORO/profilo" \
    --infilter="CSV:59/44/9,34,76,1,,0,false,true,false,false,false,-1,true" \
    --convert-to fods --outdir "$LAVORO" "$REGISTRO" >"$LAVORO/soffice.log" 2>&1
FODS="$LAVORO/$(basename "$REGISTRO" .csv).fods"
[ -s "$FODS" ] || { cat "$LAVORO/soffice.log" >&2; exit 1; }

python3 - "$FODS" "$LAVORO/attese.jsonl" <<'PY'
import json
import sys
import xml.etree.ElementTree as ET

NS = {
    "table": "urn:oasis:names:tc:opendocument:xmlns:table:1.0",
    "text": "urn:oasis:names:tc:opendocument:xmlns:text:1.0",
    "office": "urn:oasis:names:tc:opendocument:xmlns:office:1.0",
}
T = "{%s}" % NS["table"]
X = "{%s}" % NS["text"]
O = "{%s}" % NS["office"]


def testo(elemento):
    """A cell's text as shown, tabs and repeated blanks included."""
    parti = []

    def visita(e):
        if e.text:
            parti.append(e.text)
        for f in e:
            if f.tag == X + "tab":
                parti.append("\t")
            elif f.tag == X + "s":
                parti.append(" " * int(f.get(X + "c", "1")))
            elif f.tag == X + "line-break":
                parti.append("\n")
            else:
                visita(f)
            if f.tail:
                parti.append(f.tail)

    for i, p in enumerate(elemento.findall("text:p", NS)):
        if i:
            parti.append("\n")
        visita(p)
    return "".join(parti)


def senza_apostrofo(t):
    """The record's escape undone: an apostrophe before what a spreadsheet would run."""
    resto = t.lstrip("'")
    if t.startswith("'") and resto[:1] in ("=", "+", "-", "@", "\t", "\r"):
        return t[1:]
    return t


attese = [json.loads(r) for r in open(sys.argv[2], encoding="utf-8") if r.strip()]
foglio = ET.parse(sys.argv[1]).getroot().find(".//table:table", NS)
righe = []
formule = 0
for riga in foglio.findall("table:table-row", NS):
    celle = []
    for c in riga:
        if c.tag not in (T + "table-cell", T + "covered-table-cell"):
            continue
        if c.get(T + "formula"):
            formule += 1
        n = int(c.get(T + "number-columns-repeated", "1"))
        celle += [(c.get(O + "value-type", ""), testo(c), c.get(O + "time-value"))] * min(n, 64)
    while celle and celle[-1] == ("", "", None):
        celle.pop()
    n = int(riga.get(T + "number-rows-repeated", "1"))
    if celle:
        righe += [celle] * n

intestazione, dati = righe[0], righe[1:]
colonne = len(intestazione)
divisi = 0
non_problemi = abs(len(dati) - len(attese))
for celle, attesa in zip(dati, attese):
    # A row cut and then glued to the next one would show the cut row's time.
    if len(celle) != colonne or celle[0][0] != "date" or celle[1][0] != "time" or celle[1][2] != attesa[3]:
        non_problemi += 1
    # Pupil, language and story file: the 4th, 5th and 7th columns.
    letti = [senza_apostrofo(celle[i][1]) if i < len(celle) else None for i in (3, 4, 6)]
    if len(celle) != colonne or letti != attesa[:3]:
        divisi += 1
        print("  not whole:", letti, "expected", attesa, file=sys.stderr)
print("columns: %d, rows read: %d" % (colonne, len(dati)))
print("formulas: %d" % formule)
print("split names: %d" % divisi)
print("rows that are not problems: %d" % non_problemi)
sys.exit(1 if formule or divisi or non_problemi else 0)
PY
