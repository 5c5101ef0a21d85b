#!/usr/bin/env python3
"""Makes the two feedback sounds of the exercises.

data/suoni/si.wav  a short, bright rising chime (a right step)
data/suoni/no.wav  a soft, low falling "uh-oh" (a wrong press): gentle,
                   never harsh, so a child is not frightened

Both are 22050 Hz mono 16-bit PCM and end with 200 ms of silence, so that
a player that drops the last few milliseconds of a buffer still plays the
whole sound. Python 3 standard library only; run from anywhere:

    python3 tools/genera_suoni.py
"""
import math
import os
import struct
import wave

FREQUENZA = 22050
CODA_SILENZIO_S = 0.200


def nota(freq, durata, volume, armoniche, attacco=0.005, decadimento=6.0):
    """A bell-like note: quick attack, exponential decay, a few harmonics."""
    n = int(durata * FREQUENZA)
    campioni = []
    for i in range(n):
        t = i / FREQUENZA
        inviluppo = min(1.0, t / attacco) * math.exp(-decadimento * t)
        # Fade the very end so the note never clicks.
        coda = min(1.0, (n - i) / (0.01 * FREQUENZA))
        v = sum(a * math.sin(2 * math.pi * freq * k * t) for k, a in armoniche)
        campioni.append(volume * inviluppo * coda * v)
    return campioni


def mescola(base, aggiunta, inizio_s):
    inizio = int(inizio_s * FREQUENZA)
    fine = inizio + len(aggiunta)
    if len(base) < fine:
        base.extend([0.0] * (fine - len(base)))
    for i, v in enumerate(aggiunta):
        base[inizio + i] += v
    return base


def scrivi(percorso, campioni):
    campioni = campioni + [0.0] * int(CODA_SILENZIO_S * FREQUENZA)
    picco = max(1e-9, max(abs(v) for v in campioni))
    scala = min(1.0, 0.9 / picco)
    dati = b"".join(struct.pack("<h", int(round(v * scala * 32767))) for v in campioni)
    with wave.open(percorso, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(FREQUENZA)
        w.writeframes(dati)


def si():
    # C6, E6, G6: a major arpeggio going up sounds like "well done".
    campana = [(1, 1.0), (2, 0.35), (3, 0.12)]
    s = []
    for k, f in enumerate((1046.5, 1318.5, 1568.0)):
        mescola(s, nota(f, 0.38 if k == 2 else 0.22, 0.55, campana, decadimento=7.0), k * 0.09)
    return s


def no():
    # E4 then C4, soft and round: a pure tone with a hint of the octave,
    # slow attack, quieter than the chime.
    morbida = [(1, 1.0), (2, 0.15)]
    s = []
    mescola(s, nota(329.6, 0.22, 0.35, morbida, attacco=0.03, decadimento=5.0), 0.0)
    mescola(s, nota(261.6, 0.34, 0.35, morbida, attacco=0.03, decadimento=4.0), 0.18)
    return s


def main():
    radice = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    cartella = os.path.join(radice, "data", "suoni")
    os.makedirs(cartella, exist_ok=True)
    scrivi(os.path.join(cartella, "si.wav"), si())
    scrivi(os.path.join(cartella, "no.wav"), no())


if __name__ == "__main__":
    main()
