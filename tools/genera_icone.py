#!/usr/bin/env python3
"""Draws the icons into data/icone/.

  si.png, si@2x.png                    right answer: a smiling face (32 and 64 px)
  no.png, no@2x.png                    wrong answer: a frowning face on a darker ground
  altoparlante.png, altoparlante@2x.png  the repeat button: a loudspeaker with sound waves
  numerella-<n>.png                    the program icon, rendered from the hand-written
                                       data/icone/numerella.svg at 16, 32, 48, 64, 128, 256

Debian's Pillow has no SVG renderer, so the few SVG elements the program icon
uses (rect with rx, circle, path with M/L/Q, translate groups, a vertical
linear gradient, round strokes) are drawn here; anything else in the file is
refused loudly rather than left out. Everything is drawn large and scaled down
with LANCZOS so the edges stay smooth.

Run with Debian's Python 3 and python3-pil:  python3 tools/genera_icone.py
A preview of all icons goes to /tmp/numerella-icone.png.
"""

import os
import re
import xml.etree.ElementTree as ET

from PIL import Image, ImageDraw

QUI = os.path.dirname(os.path.abspath(__file__))
CARTELLA = os.path.join(os.path.dirname(QUI), "data", "icone")
SVG = os.path.join(CARTELLA, "numerella.svg")
LATI_PROGRAMMA = (16, 32, 48, 64, 128, 256)
GRANDE = 512
CONTORNO = (40, 32, 64, 255)


def ellisse(d, cx, cy, rx, ry, **kw):
    d.ellipse([cx - rx, cy - ry, cx + rx, cy + ry], **kw)


def riduci(img, lato):
    return img.convert("RGBa").resize((lato, lato), Image.LANCZOS).convert("RGBA")


# ---------------------------------------------------------------- faces

def faccia_si():
    img = Image.new("RGBA", (GRANDE, GRANDE), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    c = GRANDE / 2
    ellisse(d, c, c, 236, 236, fill=(255, 212, 0, 255), outline=CONTORNO, width=26)
    d.arc([c - 190, c - 200, c + 150, c + 120], 200, 250, fill=(255, 250, 190, 255), width=26)
    for x in (c - 82, c + 82):
        ellisse(d, x, c - 58, 30, 46, fill=CONTORNO)
        ellisse(d, x + 10, c - 74, 10, 12, fill=(255, 255, 255, 255))
    ellisse(d, c - 150, c + 40, 36, 22, fill=(255, 140, 110, 255))
    ellisse(d, c + 150, c + 40, 36, 22, fill=(255, 140, 110, 255))
    # a wide open smile
    d.chord([c - 130, c - 40, c + 130, c + 160], 0, 180, fill=(150, 30, 40, 255), outline=CONTORNO, width=22)
    d.chord([c - 70, c + 90, c + 70, c + 160], 180, 360, fill=(255, 120, 140, 255))
    return img


def faccia_no():
    img = Image.new("RGBA", (GRANDE, GRANDE), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    c = GRANDE / 2
    d.rounded_rectangle([8, 8, GRANDE - 8, GRANDE - 8], radius=96, fill=(58, 62, 108, 255),
                        outline=(30, 30, 56, 255), width=16)
    ellisse(d, c, c + 6, 196, 196, fill=(255, 170, 90, 255), outline=CONTORNO, width=22)
    for s in (-1, 1):
        x = c + s * 72
        ellisse(d, x, c - 20, 24, 34, fill=CONTORNO)
        # eyebrows tilted up in the middle: sorry, not angry
        d.line([(x - s * 48, c - 96), (x + s * 40, c - 78)], fill=CONTORNO, width=20)
    d.arc([c - 100, c + 70, c + 100, c + 210], 200, 340, fill=CONTORNO, width=24)
    return img


def altoparlante():
    img = Image.new("RGBA", (GRANDE, GRANDE), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    c = GRANDE / 2
    corpo = (44, 56, 110, 255)
    d.polygon([(60, c - 70), (150, c - 70), (270, c - 180), (270, c + 180), (150, c + 70), (60, c + 70)],
              fill=corpo, outline=CONTORNO)
    d.rounded_rectangle([48, c - 84, 170, c + 84], radius=24, fill=corpo)
    d.polygon([(150, c - 70), (270, c - 180), (270, c + 180), (150, c + 70)], fill=(70, 90, 170, 255))
    d.line([(270, c - 180), (270, c + 180)], fill=corpo, width=24)
    for k, r in enumerate((80, 150, 220)):
        d.arc([300 - r, c - r, 300 + r, c + r], -50, 50, fill=(30, 140, 240, 255), width=34)
    return img


# ---------------------------------------------------------------- SVG

def colore(testo):
    testo = testo.strip()
    if re.fullmatch(r"#[0-9a-fA-F]{6}", testo):
        return tuple(int(testo[i:i + 2], 16) for i in (1, 3, 5)) + (255,)
    if testo == "none":
        return None
    raise ValueError("colour not understood: " + testo)


def traccia(d_attr):
    """The points of a path made of M, L and Q commands (absolute)."""
    pezzi = re.findall(r"[MLQ]|-?\d+(?:\.\d+)?", d_attr)
    linee, attuale, p = [], [], (0.0, 0.0)
    i = 0
    while i < len(pezzi):
        cmd = pezzi[i]
        if cmd == "M":
            if attuale:
                linee.append(attuale)
            p = (float(pezzi[i + 1]), float(pezzi[i + 2]))
            attuale = [p]
            i += 3
        elif cmd == "L":
            p = (float(pezzi[i + 1]), float(pezzi[i + 2]))
            attuale.append(p)
            i += 3
        elif cmd == "Q":
            c1 = (float(pezzi[i + 1]), float(pezzi[i + 2]))
            p2 = (float(pezzi[i + 3]), float(pezzi[i + 4]))
            for k in range(1, 25):
                t = k / 24
                attuale.append(((1 - t) ** 2 * p[0] + 2 * (1 - t) * t * c1[0] + t * t * p2[0],
                                (1 - t) ** 2 * p[1] + 2 * (1 - t) * t * c1[1] + t * t * p2[1]))
            p = p2
            i += 5
        else:
            raise ValueError("path command not understood: " + cmd)
    if attuale:
        linee.append(attuale)
    return linee


def disegna_svg(percorso, lato):
    ns = "{http://www.w3.org/2000/svg}"
    radice = ET.parse(percorso).getroot()
    vb = [float(v) for v in radice.get("viewBox").split()]
    s = lato / vb[2]
    img = Image.new("RGBA", (lato, lato), (0, 0, 0, 0))
    gradienti = {}
    for g in radice.iter(ns + "linearGradient"):
        stop = [colore(st.get("stop-color")) for st in g.findall(ns + "stop")]
        if g.get("x1") != g.get("x2") or len(stop) != 2:
            raise ValueError("only two-stop vertical gradients are drawn")
        gradienti[g.get("id")] = stop

    def riempimento(valore, box, maschera_fn):
        if valore is None or valore == "none":
            return
        m = Image.new("L", (lato, lato), 0)
        maschera_fn(ImageDraw.Draw(m))
        if valore.startswith("url(#"):
            alto, basso = gradienti[valore[5:-1]]
            y0, y1 = box[1], box[3]
            strato = Image.new("RGBA", (lato, lato))
            for y in range(lato):
                t = min(1.0, max(0.0, (y - y0) / max(1.0, y1 - y0)))
                ImageDraw.Draw(strato).line([(0, y), (lato, y)],
                                            fill=tuple(round(a + (b - a) * t) for a, b in zip(alto, basso)))
        else:
            strato = Image.new("RGBA", (lato, lato), colore(valore))
        strato.putalpha(m)
        img.alpha_composite(strato)

    def visita(el, dx, dy):
        tag = el.tag.replace(ns, "")
        if tag in ("svg", "g"):
            tr = el.get("transform")
            if tr:
                m = re.fullmatch(r"translate\(\s*(-?[\d.]+)\s*,\s*(-?[\d.]+)\s*\)", tr)
                if not m:
                    raise ValueError("transform not understood: " + tr)
                dx, dy = dx + float(m.group(1)), dy + float(m.group(2))
            for figlio in el:
                visita(figlio, dx, dy)
        elif tag == "rect":
            x, y = (float(el.get("x")) + dx) * s, (float(el.get("y")) + dy) * s
            w, h = float(el.get("width")) * s, float(el.get("height")) * s
            rx = float(el.get("rx", "0")) * s
            sw = float(el.get("stroke-width", "0")) * s
            box = [x, y, x + w, y + h]
            riempimento(el.get("fill"), box, lambda d: d.rounded_rectangle(box, radius=rx, fill=255))
            if el.get("stroke") and sw > 0:
                bordo = Image.new("L", (lato, lato), 0)
                db = ImageDraw.Draw(bordo)
                db.rounded_rectangle([box[0] - sw / 2, box[1] - sw / 2, box[2] + sw / 2, box[3] + sw / 2],
                                     radius=rx + sw / 2, fill=255)
                db.rounded_rectangle([box[0] + sw / 2, box[1] + sw / 2, box[2] - sw / 2, box[3] - sw / 2],
                                     radius=max(0, rx - sw / 2), fill=0)
                strato = Image.new("RGBA", (lato, lato), colore(el.get("stroke")))
                strato.putalpha(bordo)
                img.alpha_composite(strato)
        elif tag == "circle":
            cx, cy = (float(el.get("cx")) + dx) * s, (float(el.get("cy")) + dy) * s
            r = float(el.get("r")) * s
            riempimento(el.get("fill"), [cx - r, cy - r, cx + r, cy + r],
                        lambda d: d.ellipse([cx - r, cy - r, cx + r, cy + r], fill=255))
        elif tag == "path":
            if el.get("fill", "none") != "none" or el.get("stroke-linecap") != "round":
                raise ValueError("only round-capped unfilled paths are drawn")
            w = float(el.get("stroke-width")) * s
            col = colore(el.get("stroke"))
            strato = Image.new("RGBA", (lato, lato), (0, 0, 0, 0))
            d = ImageDraw.Draw(strato)
            for linea in traccia(el.get("d")):
                pts = [((x + dx) * s, (y + dy) * s) for x, y in linea]
                # segment by segment with a round cap on every point: one
                # thick polyline of many short pieces leaves hairline gaps
                for a, b in zip(pts, pts[1:]):
                    d.line([a, b], fill=col, width=round(w))
                for (x, y) in pts:
                    ellisse(d, x, y, w / 2, w / 2, fill=col)
            img.alpha_composite(strato)
        elif tag in ("defs", "linearGradient", "stop"):
            pass
        else:
            raise ValueError("SVG element not drawn here: " + tag)

    visita(radice, 0.0, 0.0)
    return img


def main():
    os.makedirs(CARTELLA, exist_ok=True)
    prove = []
    for nome, disegno in (("si", faccia_si()), ("no", faccia_no()), ("altoparlante", altoparlante())):
        for lato, suffisso in ((32, ""), (64, "@2x")):
            im = riduci(disegno, lato)
            im.save(os.path.join(CARTELLA, nome + suffisso + ".png"))
            prove.append(im)
    grande = disegna_svg(SVG, 1024)
    for lato in LATI_PROGRAMMA:
        im = riduci(grande, lato)
        im.save(os.path.join(CARTELLA, "numerella-%d.png" % lato))
        prove.append(im)
    # a preview on the light and the dark end of the screens' gradient
    larg = sum(p.width + 8 for p in prove) + 8
    foglio = Image.new("RGB", (larg, 2 * 264 + 24), (255, 255, 255))
    for riga, fondo in enumerate(((192, 255, 255), (0, 0, 192))):
        x = 8
        y = 8 + riga * 272
        ImageDraw.Draw(foglio).rectangle([0, y - 4, larg, y + 260], fill=fondo)
        for p in prove:
            foglio.paste(p, (x, y), p)
            x += p.width + 8
    foglio.save("/tmp/numerella-icone.png")


if __name__ == "__main__":
    main()
