#!/usr/bin/env python3
"""Draws the animations of the stories into data/gifanimate/.

Every theme gets three GIFs of 96 by 96 pixels with a transparent background;
the idle one loops, the other two play once and end on their last picture
(the thing there, or its empty outline), which is what the child counts:

  <tema>.gif         the thing, there, moving a little (idle)
  <tema>_arriva.gif  the thing arriving (addition stories, field 2)
  <tema>_via.gif     the thing going away (subtraction stories, field 2)

Everything is drawn at four times the size and scaled down, so the edges stay
smooth; the GIF's one-bit transparency is then cut at half alpha, and a dark
outline around every thing hides the cut.  A contact sheet with every theme
(first and middle frame of each animation) goes to tools/foglio_animazioni.png.

Run with Debian's Python 3 and python3-pil:  python3 tools/genera_animazioni.py
"""

import math
import os
import sys

from PIL import Image, ImageDraw, ImageFilter, ImageChops, ImageFont, features

LATO = 96
SCALA = 4
L = LATO * SCALA          # drawing canvas
C = L // 2                # its centre
CONTORNO = (40, 32, 64, 255)
TRASPARENTE = (0, 0, 0, 0)

QUI = os.path.dirname(os.path.abspath(__file__))
RADICE = os.path.dirname(QUI)
USCITA = os.path.join(RADICE, "data", "gifanimate")
FOGLIO = os.path.join(QUI, "foglio_animazioni.png")


# ---------------------------------------------------------------- helpers

def tela():
    return Image.new("RGBA", (L, L), TRASPARENTE)


def ellisse(d, cx, cy, rx, ry, colore, **kw):
    d.ellipse([cx - rx, cy - ry, cx + rx, cy + ry], fill=colore, **kw)


def punti_ellisse(cx, cy, rx, ry, angolo=0.0, n=48):
    a = math.radians(angolo)
    ca, sa = math.cos(a), math.sin(a)
    out = []
    for i in range(n):
        t = 2 * math.pi * i / n
        x, y = rx * math.cos(t), ry * math.sin(t)
        out.append((cx + x * ca - y * sa, cy + x * sa + y * ca))
    return out


def bezier(p0, p1, p2, n=16):
    out = []
    for i in range(n + 1):
        t = i / n
        out.append(((1 - t) ** 2 * p0[0] + 2 * (1 - t) * t * p1[0] + t * t * p2[0],
                    (1 - t) ** 2 * p0[1] + 2 * (1 - t) * t * p1[1] + t * t * p2[1]))
    return out


def stella_punti(cx, cy, r_est, r_int, punte=5, rot=-90.0):
    out = []
    for i in range(punte * 2):
        r = r_est if i % 2 == 0 else r_int
        a = math.radians(rot + 180.0 * i / punte)
        out.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return out


def maschera(img, soglia=128):
    return img.getchannel("A").point(lambda a: 255 if a >= soglia else 0)


def contorna(img, spessore=7):
    """Puts a dark outline around everything drawn so far (a sticker edge):
    a blurred copy of the shape, cut hard, lies under it."""
    a = img.getchannel("A").filter(ImageFilter.GaussianBlur(spessore / 2))
    a = a.point(lambda v: 255 if v > 8 else 0)
    sotto = Image.new("RGBA", img.size, CONTORNO)
    sotto.putalpha(a)
    return Image.alpha_composite(sotto, img)


def mescola(c1, c2, t):
    return tuple(round(a + (b - a) * t) for a, b in zip(c1, c2))


def morsi(img, centri, raggio, polpa):
    """Bites out of a drawn fruit or biscuit: a round hole with a rim of the
    inside's colour, so it reads as eaten and not as cut."""
    dentro = maschera(img)
    strato = tela()
    d = ImageDraw.Draw(strato)
    for (x, y) in centri:
        ellisse(d, x, y, raggio + 16, raggio + 16, polpa)
    strato.putalpha(ImageChops.multiply(strato.getchannel("A"), dentro.filter(ImageFilter.MinFilter(9))))
    img = Image.alpha_composite(img, strato)
    buco = Image.new("L", img.size, 0)
    db = ImageDraw.Draw(buco)
    for (x, y) in centri:
        # small scallops along the edge of each bite look like teeth marks
        ellisse(db, x, y, raggio, raggio, 255)
        for k in range(7):
            a = 2 * math.pi * k / 7
            ellisse(db, x + (raggio + 2) * math.cos(a), y + (raggio + 2) * math.sin(a), 9, 9, 255)
    alfa = ImageChops.subtract(img.getchannel("A"), buco)
    img.putalpha(alfa)
    # thin dark edge where the bite cuts the outline
    bordo = buco.filter(ImageFilter.MaxFilter(7))
    bordo = ImageChops.subtract(bordo, buco)
    bordo = ImageChops.multiply(bordo, maschera(img))
    scuro = Image.new("RGBA", img.size, CONTORNO)
    scuro.putalpha(bordo.point(lambda v: 160 if v else 0))
    return Image.alpha_composite(img, scuro)


def scintilla(d, x, y, r, colore=(255, 255, 255, 255)):
    pts = stella_punti(x, y, r, r * 0.28, punte=4, rot=-90)
    d.polygon(pts, fill=colore, outline=CONTORNO, width=3)


# ---------------------------------------------------------------- the things
# Each function draws one thing, centred on the canvas, and returns it with
# its outline. `f` runs from 0 to 1 over a cycle (wings, tail, flame).

def palloncino(f=0.0, colore=(236, 48, 72)):
    img = tela()
    d = ImageDraw.Draw(img)
    filo = [(C + 10 * math.sin(2 * math.pi * (f + i / 18.0)) * (i / 18.0), 270 + i * 5.5) for i in range(19)]
    d.line(filo, fill=(90, 80, 110, 255), width=7, joint="curve")
    d.polygon([(C, 254), (C - 16, 282), (C + 16, 282)], fill=mescola(colore, (120, 0, 20), 0.3) + (255,))
    ellisse(d, C, 145, 94, 112, colore + (255,))
    img = contorna(img)
    d = ImageDraw.Draw(img)
    d.polygon(punti_ellisse(C - 42, 95, 16, 34, -25), fill=(255, 214, 222, 255))
    ellisse(d, C - 24, 58, 7, 7, (255, 214, 222, 255))
    return img


def mela(f=0.0, morso=0, torsolo=False):
    img = tela()
    d = ImageDraw.Draw(img)
    rosso = (222, 36, 48, 255)
    if torsolo:
        ellisse(d, C, 130, 70, 32, rosso)
        ellisse(d, C, 305, 62, 30, rosso)
        d.polygon([(C - 50, 140), (C + 50, 140), (C + 30, 220), (C + 50, 295), (C - 50, 295), (C - 30, 220)],
                  fill=(252, 244, 206, 255))
        ellisse(d, C - 8, 200, 6, 11, (90, 50, 20, 255))
        ellisse(d, C + 10, 232, 6, 11, (90, 50, 20, 255))
    else:
        ellisse(d, C - 48, 215, 100, 118, rosso)
        ellisse(d, C + 48, 215, 100, 118, rosso)
    d.line([(C, 110), (C + 10, 52)], fill=(110, 66, 30, 255), width=16)
    d.polygon(punti_ellisse(C + 50, 68, 44, 19, -28), fill=(70, 180, 60, 255))
    img = contorna(img)
    if not torsolo:
        d = ImageDraw.Draw(img)
        d.polygon(punti_ellisse(C - 70, 165, 18, 36, 25), fill=(255, 196, 196, 255))
        d.line([(C + 18, 66), (C + 78, 70)], fill=(40, 130, 40, 255), width=4)
        posti = [(C + 150, 200), (C + 120, 320), (C - 150, 250)]
        if morso:
            img = morsi(img, posti[:morso], 56, (252, 244, 206, 255))
    return img


def pesciolino(f=0.0):
    img = tela()
    d = ImageDraw.Draw(img)
    arancio = (255, 136, 28, 255)
    scodinzolo = 26 * math.sin(2 * math.pi * f)
    d.polygon([(C - 80, C), (C - 165, C - 78 + scodinzolo), (C - 145, C + scodinzolo * 0.5),
               (C - 165, C + 78 + scodinzolo)], fill=(255, 104, 24, 255))
    d.polygon([(C - 30, C - 60), (C + 20, C - 112), (C + 70, C - 58)], fill=(255, 104, 24, 255))
    d.polygon([(C - 10, C + 60), (C + 30, C + 100), (C + 50, C + 55)], fill=(255, 104, 24, 255))
    ellisse(d, C + 12, C, 122, 80, arancio)
    img = contorna(img)
    d = ImageDraw.Draw(img)
    for k in range(3):
        x = C - 40 + k * 36
        d.arc([x - 34, C - 40, x + 34, C + 40], -60, 60, fill=(255, 190, 90, 255), width=7)
    ellisse(d, C + 78, C - 22, 24, 24, (255, 255, 255, 255), outline=CONTORNO, width=5)
    ellisse(d, C + 86, C - 20, 12, 12, (20, 20, 30, 255))
    ellisse(d, C + 90, C - 25, 4, 4, (255, 255, 255, 255))
    d.arc([C + 70, C + 10, C + 118, C + 44], 20, 120, fill=CONTORNO, width=6)
    return img


def uccellino(f=0.0):
    img = tela()
    d = ImageDraw.Draw(img)
    blu = (64, 150, 240, 255)
    d.polygon([(C - 80, C + 10), (C - 150, C - 30), (C - 140, C + 40)], fill=(40, 106, 200, 255))
    d.line([(C - 20, C + 100), (C - 30, C + 150)], fill=(255, 140, 0, 255), width=10)
    d.line([(C + 30, C + 100), (C + 36, C + 150)], fill=(255, 140, 0, 255), width=10)
    ellisse(d, C, C + 10, 108, 100, blu)
    d.polygon([(C + 90, C - 20), (C + 150, C), (C + 90, C + 20)], fill=(255, 160, 20, 255))
    ellisse(d, C - 10, C - 90, 14, 30, blu)
    img = contorna(img)
    d = ImageDraw.Draw(img)
    ellisse(d, C + 20, C + 50, 62, 48, (196, 228, 255, 255))
    ellisse(d, C + 50, C - 26, 20, 20, (255, 255, 255, 255), outline=CONTORNO, width=5)
    ellisse(d, C + 56, C - 26, 10, 10, (20, 20, 30, 255))
    ellisse(d, C + 20, C + 8, 14, 9, (255, 150, 170, 255))
    # the wing flaps: up, level, down
    ang = -55 * math.cos(2 * math.pi * f) + 5
    ala = Image.new("RGBA", (L, L), TRASPARENTE)
    da = ImageDraw.Draw(ala)
    da.polygon(punti_ellisse(C - 45, C + 20, 72, 38, ang), fill=(36, 100, 196, 255))
    ala = contorna(ala, 6)
    return Image.alpha_composite(img, ala)


def macchinina(f=0.0):
    img = tela()
    d = ImageDraw.Draw(img)
    rosso = (232, 40, 40, 255)
    d.polygon([(C - 90, C + 10), (C - 50, C - 80), (C + 60, C - 80), (C + 110, C + 10)], fill=rosso)
    d.rounded_rectangle([C - 165, C, C + 165, C + 100], radius=34, fill=rosso)
    for x in (C - 95, C + 95):
        ellisse(d, x, C + 100, 46, 46, (44, 44, 56, 255))
    img = contorna(img)
    d = ImageDraw.Draw(img)
    d.polygon([(C - 70, C + 2), (C - 40, C - 64), (C + 2, C - 64), (C + 2, C + 2)], fill=(170, 225, 255, 255),
              outline=CONTORNO, width=5)
    d.polygon([(C + 18, C + 2), (C + 18, C - 64), (C + 52, C - 64), (C + 88, C + 2)], fill=(170, 225, 255, 255),
              outline=CONTORNO, width=5)
    d.line([(C - 150, C + 50), (C + 150, C + 50)], fill=(255, 200, 200, 255), width=6)
    ellisse(d, C + 152, C + 30, 12, 16, (255, 240, 120, 255), outline=CONTORNO, width=4)
    ellisse(d, C - 158, C + 30, 8, 12, (255, 120, 60, 255), outline=CONTORNO, width=4)
    for x in (C - 95, C + 95):
        ellisse(d, x, C + 100, 20, 20, (200, 200, 210, 255))
        a = 2 * math.pi * f
        ellisse(d, x + 12 * math.cos(a), C + 100 + 12 * math.sin(a), 5, 5, (80, 80, 90, 255))
    return img


def stella(f=0.0, spenta=0.0):
    img = tela()
    d = ImageDraw.Draw(img)
    colore = mescola((255, 214, 0), (150, 150, 172), spenta) + (255,)
    d.polygon(stella_punti(C, C + 10, 160, 70), fill=colore)
    img = contorna(img)
    d = ImageDraw.Draw(img)
    d.polygon(stella_punti(C - 6, C + 4, 120, 50), fill=mescola((255, 240, 120), (170, 170, 190), spenta) + (255,))
    d.polygon(stella_punti(C, C + 10, 100, 44), fill=colore)
    if spenta < 0.5:
        ellisse(d, C - 30, C + 4, 11, 17, (40, 30, 50, 255))
        ellisse(d, C + 30, C + 4, 11, 17, (40, 30, 50, 255))
        d.arc([C - 30, C + 4, C + 30, C + 44], 20, 160, fill=(40, 30, 50, 255), width=7)
        ellisse(d, C - 52, C + 30, 12, 8, (255, 150, 120, 255))
        ellisse(d, C + 52, C + 30, 12, 8, (255, 150, 120, 255))
    else:
        d.line([(C - 42, C + 6), (C - 18, C + 6)], fill=(60, 60, 80, 255), width=7)
        d.line([(C + 18, C + 6), (C + 42, C + 6)], fill=(60, 60, 80, 255), width=7)
        d.line([(C - 14, C + 34), (C + 14, C + 34)], fill=(60, 60, 80, 255), width=6)
    return img


def fiore(f=0.0):
    img = tela()
    d = ImageDraw.Draw(img)
    d.line([(C, 160), (C, 372)], fill=(56, 160, 56, 255), width=20)
    d.polygon(punti_ellisse(C + 50, 300, 52, 22, -30), fill=(76, 190, 70, 255))
    d.polygon(punti_ellisse(C - 46, 330, 44, 18, 30), fill=(76, 190, 70, 255))
    for k in range(6):
        a = 2 * math.pi * k / 6 + 0.3 * math.sin(2 * math.pi * f) * 0.2
        ellisse(d, C + 74 * math.cos(a), 140 + 74 * math.sin(a), 52, 52, (255, 96, 176, 255))
    img = contorna(img)
    d = ImageDraw.Draw(img)
    for k in range(6):
        a = 2 * math.pi * k / 6
        ellisse(d, C + 84 * math.cos(a), 140 + 84 * math.sin(a), 20, 20, (255, 170, 215, 255))
    ellisse(d, C, 140, 48, 48, (255, 214, 40, 255), outline=CONTORNO, width=6)
    ellisse(d, C - 16, 132, 6, 9, (40, 30, 50, 255))
    ellisse(d, C + 16, 132, 6, 9, (40, 30, 50, 255))
    d.arc([C - 20, 130, C + 20, 162], 20, 160, fill=(40, 30, 50, 255), width=5)
    return img


def rana(f=0.0):
    img = tela()
    d = ImageDraw.Draw(img)
    verde = (86, 196, 64, 255)
    ellisse(d, C - 100, 322, 46, 22, verde)
    ellisse(d, C + 100, 322, 46, 22, verde)
    ellisse(d, C, 236, 150, 96, verde)
    ellisse(d, C - 78, 142, 52, 50, verde)
    ellisse(d, C + 78, 142, 52, 50, verde)
    img = contorna(img)
    d = ImageDraw.Draw(img)
    ellisse(d, C, 270, 90, 52, (190, 240, 150, 255))
    occhio = 1.0 if (f % 1.0) < 0.8 else 0.2    # a blink now and then
    for x in (C - 78, C + 78):
        ellisse(d, x, 140, 34, 34 * occhio, (255, 255, 255, 255), outline=CONTORNO, width=5)
        if occhio > 0.5:
            ellisse(d, x + 4, 144, 16, 16, (20, 20, 30, 255))
            ellisse(d, x + 9, 137, 5, 5, (255, 255, 255, 255))
    d.arc([C - 84, 176, C + 84, 262], 15, 165, fill=CONTORNO, width=8)
    ellisse(d, C - 104, 222, 18, 11, (255, 140, 150, 255))
    ellisse(d, C + 104, 222, 18, 11, (255, 140, 150, 255))
    return img


def farfalla(f=0.0):
    ali = tela()
    d = ImageDraw.Draw(ali)
    for s in (-1, 1):
        ellisse(d, C + s * 82, 148, 86, 72, (255, 140, 30, 255))
        ellisse(d, C + s * 64, 262, 62, 54, (236, 70, 160, 255))
    ali = contorna(ali)
    d = ImageDraw.Draw(ali)
    for s in (-1, 1):
        ellisse(d, C + s * 96, 138, 30, 30, (255, 240, 120, 255), outline=CONTORNO, width=5)
        ellisse(d, C + s * 118, 186, 12, 12, (255, 255, 255, 255), outline=CONTORNO, width=4)
        ellisse(d, C + s * 70, 272, 22, 22, (255, 200, 235, 255), outline=CONTORNO, width=5)
    # flapping: the wings narrow towards the body and open again
    apertura = 0.3 + 0.7 * abs(math.cos(math.pi * f))
    larga = max(8, round(L * apertura))
    ali = ali.resize((larga, L), Image.BICUBIC)
    img = tela()
    img.paste(ali, ((L - larga) // 2, 0), ali)
    corpo = tela()
    d = ImageDraw.Draw(corpo)
    d.line([(C - 8, 110), (C - 40, 50)], fill=CONTORNO, width=7)
    d.line([(C + 8, 110), (C + 40, 50)], fill=CONTORNO, width=7)
    ellisse(d, C - 42, 48, 11, 11, CONTORNO)
    ellisse(d, C + 42, 48, 11, 11, CONTORNO)
    ellisse(d, C, 215, 20, 92, (70, 50, 90, 255))
    ellisse(d, C, 118, 28, 28, (70, 50, 90, 255))
    corpo = contorna(corpo, 5)
    d = ImageDraw.Draw(corpo)
    ellisse(d, C - 10, 112, 6, 6, (255, 255, 255, 255))
    ellisse(d, C + 10, 112, 6, 6, (255, 255, 255, 255))
    return Image.alpha_composite(img, corpo)


def biscotto(f=0.0, morso=0, briciole=False):
    img = tela()
    d = ImageDraw.Draw(img)
    if briciole:
        for (x, y, r) in [(C - 60, 300, 18), (C + 10, 320, 24), (C + 70, 296, 15), (C - 20, 280, 12),
                          (C + 40, 340, 12)]:
            ellisse(d, x, y, r, r * 0.8, (226, 168, 92, 255))
        return contorna(img, 5)
    ellisse(d, C, C, 140, 136, (226, 168, 92, 255))
    img = contorna(img)
    d = ImageDraw.Draw(img)
    ellisse(d, C - 6, C - 6, 112, 108, (236, 186, 110, 255))
    for (x, y, r) in [(-60, -50, 20), (30, -70, 17), (70, 10, 22), (-20, 20, 18), (-70, 50, 16),
                      (30, 80, 20), (80, -40, 12), (-10, -100, 12), (-100, 0, 12)]:
        d.polygon(punti_ellisse(C + x, C + y, r, r * 0.8, x * 3, 9), fill=(104, 56, 30, 255))
    if morso:
        posti = [(C + 150, C - 60), (C + 130, C + 110), (C - 150, C + 60)]
        img = morsi(img, posti[:morso], 58, (246, 214, 150, 255))
    return img


def palla(f=0.0):
    img = tela()
    d = ImageDraw.Draw(img)
    colori = [(236, 40, 48), (255, 255, 255), (40, 110, 230), (255, 210, 0), (255, 255, 255), (60, 190, 80)]
    r = 140
    for k, col in enumerate(colori):
        d.pieslice([C - r, C - r, C + r, C + r], k * 60 - 90, (k + 1) * 60 - 90, fill=col + (255,))
    img = contorna(img)
    d = ImageDraw.Draw(img)
    for k in range(6):
        a = math.radians(k * 60 - 90)
        d.line([(C, C), (C + r * math.cos(a), C + r * math.sin(a))], fill=(120, 110, 140, 255), width=3)
    ellisse(d, C, C, 24, 24, (255, 255, 255, 255), outline=CONTORNO, width=4)
    d.arc([C - 112, C - 112, C + 112, C + 112], 200, 250, fill=(255, 255, 255, 255), width=14)
    return img


def candelina(f=0.0, fiamma=1.0, fumo=0.0):
    img = tela()
    d = ImageDraw.Draw(img)
    d.rectangle([C - 40, 170, C + 40, 372], fill=(255, 255, 255, 255))
    strisce = tela()
    ds = ImageDraw.Draw(strisce)
    for k in range(-2, 9):
        y = 170 + k * 44
        ds.polygon([(C - 40, y), (C + 40, y - 36), (C + 40, y - 14), (C - 40, y + 22)], fill=(255, 90, 150, 255))
    dentro = Image.new("L", (L, L), 0)
    ImageDraw.Draw(dentro).rectangle([C - 40, 170, C + 40, 372], fill=255)
    strisce.putalpha(ImageChops.multiply(strisce.getchannel("A"), dentro))
    img = Image.alpha_composite(img, strisce)
    d = ImageDraw.Draw(img)
    d.line([(C, 170), (C, 140)], fill=(50, 40, 40, 255), width=8)
    img = contorna(img)
    if fiamma > 0.02:
        fi = tela()
        dfi = ImageDraw.Draw(fi)
        alt = (100 + 10 * math.sin(2 * math.pi * f)) * fiamma
        lar = 38 * fiamma
        sx = 8 * math.sin(2 * math.pi * f + 1)
        base = 142
        fuori = bezier((C - lar, base - lar), (C - lar * 0.4 + sx, base - alt * 0.8), (C + sx, base - alt)) + \
            bezier((C + sx, base - alt), (C + lar * 0.4 + sx, base - alt * 0.8), (C + lar, base - lar))
        dfi.polygon(fuori, fill=(255, 140, 20, 255))
        ellisse(dfi, C, base - lar, lar, lar, (255, 140, 20, 255))
        ellisse(dfi, C, base - lar * 0.8, lar * 0.55, lar * 0.7, (255, 236, 90, 255))
        fi = contorna(fi, 5)
        img = Image.alpha_composite(img, fi)
    if fumo > 0.0:
        fu = tela()
        dfu = ImageDraw.Draw(fu)
        for k in range(3):
            y = 120 - fumo * 90 - k * 34
            x = C + 18 * math.sin(fumo * 5 + k * 1.7)
            r = 14 + k * 5 + fumo * 8
            ellisse(dfu, x, y, r, r, (200, 200, 215, 255))
        fu = contorna(fu, 4)
        img = Image.alpha_composite(img, fu)
    return img


def pulcino(f=0.0):
    img = tela()
    d = ImageDraw.Draw(img)
    giallo = (255, 218, 40, 255)
    for x in (C - 40, C + 40):
        d.line([(x, 320), (x, 356)], fill=(255, 130, 0, 255), width=10)
        d.line([(x - 22, 360), (x + 26, 360)], fill=(255, 130, 0, 255), width=10)
    ellisse(d, C - 10, 250, 122, 96, giallo)
    ellisse(d, C + 40, 150, 86, 80, giallo)
    d.polygon([(C + 116, 140), (C + 166, 160), (C + 116, 180)], fill=(255, 140, 0, 255))
    d.polygon([(C + 20, 76), (C + 34, 40), (C + 46, 74), (C + 64, 44), (C + 66, 82)], fill=giallo)
    img = contorna(img)
    d = ImageDraw.Draw(img)
    ellisse(d, C + 70, 130, 13, 16, (30, 24, 36, 255))
    ellisse(d, C + 74, 125, 5, 5, (255, 255, 255, 255))
    ellisse(d, C + 76, 172, 16, 10, (255, 150, 140, 255))
    ala = -14 * math.sin(2 * math.pi * f)
    d.polygon(punti_ellisse(C - 40, 250, 64, 36, -15 + ala), fill=(246, 188, 20, 255), outline=CONTORNO, width=5)
    return img


def barchetta(f=0.0):
    img = tela()
    d = ImageDraw.Draw(img)
    onda = [(C - 170 + i * 10, 330 + 10 * math.sin(i * 0.7 + 2 * math.pi * f)) for i in range(35)]
    d.polygon(onda + [(C + 170, 372), (C - 170, 372)], fill=(60, 150, 240, 255))
    d.polygon([(C - 150, 250), (C + 150, 250), (C + 110, 330), (C - 110, 330)], fill=(220, 64, 50, 255))
    d.line([(C - 6, 252), (C - 6, 50)], fill=(130, 80, 40, 255), width=12)
    d.polygon([(C + 6, 60), (C + 6, 236), (C + 136, 236)], fill=(255, 255, 255, 255))
    d.polygon([(C - 18, 80), (C - 18, 236), (C - 110, 236)], fill=(255, 236, 120, 255))
    d.polygon([(C - 6, 50), (C + 50, 64), (C - 6, 80)], fill=(255, 60, 60, 255))
    img = contorna(img)
    d = ImageDraw.Draw(img)
    d.line([(C - 140, 272), (C + 140, 272)], fill=(255, 255, 255, 255), width=9)
    d.line([(C + 10, 170), (C + 88, 170)], fill=(60, 130, 230, 255), width=10)
    for x in (C - 60, C, C + 60):
        ellisse(d, x, 300, 9, 9, (255, 255, 255, 255), outline=CONTORNO, width=3)
    d.line(onda, fill=(200, 235, 255, 255), width=6)
    return img


def _forma_fragola():
    pts = []
    for i in range(0, 181, 6):
        a = math.radians(180 + i)
        pts.append((C + 124 * math.cos(a), 170 + 60 * math.sin(a)))
    pts += bezier((C + 124, 170), (C + 120, 290), (C, 350))[1:]
    pts += bezier((C, 350), (C - 120, 290), (C - 124, 170))[1:]
    return pts


def fragola(f=0.0, morso=0, picciolo=False):
    img = tela()
    d = ImageDraw.Draw(img)
    if not picciolo:
        d.polygon(_forma_fragola(), fill=(236, 36, 60, 255))
    d.polygon(stella_punti(C, 130, 84, 30, punte=6, rot=-90 + 30), fill=(64, 176, 56, 255))
    d.line([(C, 120), (C + 8, 60)], fill=(64, 150, 56, 255), width=14)
    img = contorna(img)
    if picciolo:
        return img
    d = ImageDraw.Draw(img)
    for (x, y) in [(-70, 190), (-20, 180), (30, 190), (75, 185), (-50, 240), (0, 235), (50, 240),
                   (-25, 285), (25, 285), (0, 325), (-85, 160), (90, 150)]:
        d.polygon(punti_ellisse(C + x, y, 6, 10, 0, 12), fill=(255, 236, 120, 255))
    d.polygon(punti_ellisse(C - 70, 210, 14, 30, 20), fill=(255, 160, 170, 255))
    d = ImageDraw.Draw(img)
    d.polygon(stella_punti(C, 130, 84, 30, punte=6, rot=-90 + 30), fill=(64, 176, 56, 255),
              outline=CONTORNO, width=5)
    if morso:
        posti = [(C + 140, 260), (C - 130, 270), (C + 20, 390)]
        img = morsi(img, posti[:morso], 60, (255, 186, 196, 255))
    return img


def gattino(f=0.0):
    img = tela()
    d = ImageDraw.Draw(img)
    arancio = (255, 160, 56, 255)
    d.polygon([(C - 130, 150), (C - 110, 30), (C - 30, 100)], fill=arancio)
    d.polygon([(C + 130, 150), (C + 110, 30), (C + 30, 100)], fill=arancio)
    ellisse(d, C - 70, 338, 42, 28, arancio)
    ellisse(d, C + 70, 338, 42, 28, arancio)
    ellisse(d, C, 200, 144, 122, arancio)
    img = contorna(img)
    d = ImageDraw.Draw(img)
    d.polygon([(C - 112, 128), (C - 102, 60), (C - 56, 102)], fill=(255, 170, 190, 255))
    d.polygon([(C + 112, 128), (C + 102, 60), (C + 56, 102)], fill=(255, 170, 190, 255))
    for x in (-22, 0, 22):
        d.polygon([(C + x - 9, 82), (C + x + 9, 82), (C + x, 122)], fill=(220, 110, 30, 255))
    ellisse(d, C, 262, 70, 46, (255, 236, 210, 255))
    occhio = 1.0 if (f % 1.0) < 0.8 else 0.15
    for x in (C - 56, C + 56):
        ellisse(d, x, 190, 26, 30 * occhio, (120, 210, 90, 255), outline=CONTORNO, width=5)
        if occhio > 0.5:
            ellisse(d, x, 190, 9, 24, (20, 20, 30, 255))
            ellisse(d, x + 8, 178, 6, 6, (255, 255, 255, 255))
    d.polygon([(C - 16, 236), (C + 16, 236), (C, 254)], fill=(255, 110, 140, 255), outline=CONTORNO, width=3)
    d.arc([C - 34, 240, C, 276], 10, 170, fill=CONTORNO, width=5)
    d.arc([C, 240, C + 34, 276], 10, 170, fill=CONTORNO, width=5)
    for s in (-1, 1):
        for k in (-1, 0, 1):
            d.line([(C + s * 70, 250 + k * 14), (C + s * 150, 240 + k * 26)], fill=CONTORNO, width=4)
    return img


def coccinella(f=0.0, volo=False):
    img = tela()
    d = ImageDraw.Draw(img)
    for s in (-1, 1):
        for k in (-1, 0, 1):
            d.line([(C + s * 90, 220 + k * 60), (C + s * 150, 210 + k * 74)], fill=CONTORNO, width=9)
        d.line([(C + s * 20, 90), (C + s * 60, 30)], fill=CONTORNO, width=7)
        ellisse(d, C + s * 62, 28, 12, 12, CONTORNO)
    ellisse(d, C, 108, 62, 54, (40, 36, 50, 255))
    apre = 0.0
    if volo:
        apre = 18 + 8 * math.sin(2 * math.pi * f * 2)
        for s in (-1, 1):
            d.polygon(punti_ellisse(C + s * 120, 190, 100, 46, s * (apre - 10)), fill=(225, 238, 255, 255))
    rosso = (232, 30, 40, 255)
    if volo:
        # the shell opens in two halves to let the wings out
        for s in (-1, 1):
            d.pieslice([C - 124 + s * 26, 110, C + 124 + s * 26, 350], 90 if s < 0 else -90,
                       270 if s < 0 else 90, fill=rosso)
    else:
        ellisse(d, C, 230, 124, 120, rosso)
    img = contorna(img)
    d = ImageDraw.Draw(img)
    if not volo:
        d.line([(C, 115), (C, 348)], fill=CONTORNO, width=8)
    sp = 26 if volo else 0
    for (x, y, r) in [(-60, 170, 22), (60, 170, 22), (-82, 250, 20), (82, 250, 20), (-44, 305, 18),
                      (44, 305, 18), (0, 120, 0)]:
        if r:
            ellisse(d, C + x + (sp if x > 0 else -sp), y, r, r, (30, 26, 40, 255))
    ellisse(d, C - 26, 92, 13, 13, (255, 255, 255, 255))
    ellisse(d, C + 26, 92, 13, 13, (255, 255, 255, 255))
    ellisse(d, C - 24, 95, 6, 6, (20, 20, 20, 255))
    ellisse(d, C + 28, 95, 6, 6, (20, 20, 20, 255))
    return img


def orsetto(f=0.0):
    img = tela()
    d = ImageDraw.Draw(img)
    marrone = (184, 116, 58, 255)
    ellisse(d, C - 92, 266, 32, 46, marrone)
    ellisse(d, C + 92, 266, 32, 46, marrone)
    ellisse(d, C - 56, 340, 42, 30, marrone)
    ellisse(d, C + 56, 340, 42, 30, marrone)
    ellisse(d, C, 282, 88, 80, marrone)
    ellisse(d, C - 80, 72, 38, 38, marrone)
    ellisse(d, C + 80, 72, 38, 38, marrone)
    ellisse(d, C, 146, 100, 88, marrone)
    img = contorna(img)
    d = ImageDraw.Draw(img)
    for x in (C - 80, C + 80):
        ellisse(d, x, 74, 20, 20, (236, 184, 124, 255))
    ellisse(d, C - 56, 344, 22, 16, (236, 184, 124, 255))
    ellisse(d, C + 56, 344, 22, 16, (236, 184, 124, 255))
    ellisse(d, C, 292, 52, 46, (236, 184, 124, 255))
    ellisse(d, C, 180, 46, 34, (240, 200, 150, 255))
    ellisse(d, C, 164, 18, 12, (40, 26, 20, 255))
    d.arc([C - 24, 160, C + 24, 200], 20, 160, fill=(40, 26, 20, 255), width=6)
    strizza = (f % 1.0) >= 0.85
    for x in (C - 38, C + 38):
        if strizza:
            d.arc([x - 12, 116, x + 12, 136], 200, 340, fill=(30, 20, 20, 255), width=6)
        else:
            ellisse(d, x, 128, 11, 13, (30, 20, 20, 255))
            ellisse(d, x + 4, 123, 4, 4, (255, 255, 255, 255))
    # a red bow at the neck: a toy, not a wild bear
    d.polygon([(C, 232), (C - 44, 212), (C - 44, 252)], fill=(236, 40, 60, 255), outline=CONTORNO, width=4)
    d.polygon([(C, 232), (C + 44, 212), (C + 44, 252)], fill=(236, 40, 60, 255), outline=CONTORNO, width=4)
    ellisse(d, C, 232, 12, 12, (236, 40, 60, 255), outline=CONTORNO, width=4)
    return img


# ---------------------------------------------------------------- motion

def piazza(fondo, sp, dx=0.0, dy=0.0, ang=0.0, sx=1.0, sy=1.0, perno=(C, C)):
    """Lays a thing on a frame: scaled and turned about `perno`, then moved."""
    img = sp
    px, py = perno
    if abs(sx - 1) > 1e-3 or abs(sy - 1) > 1e-3:
        w, h = max(1, round(L * sx)), max(1, round(L * sy))
        img = img.resize((w, h), Image.BICUBIC)
        grande = tela()
        ox, oy = round(px - px * sx), round(py - py * sy)
        grande.paste(img, (ox, oy), img)
        img = grande
    if abs(ang) > 0.01:
        img = img.rotate(ang, resample=Image.BICUBIC, center=perno)
    strato = tela()
    strato.paste(img, (round(dx), round(dy)), img)
    return Image.alpha_composite(fondo, strato)


def liscio(t):
    return t * t * (3 - 2 * t)


def esce(t):        # starts slowly, leaves fast
    return t * t


def arriva(t):      # comes in fast, settles gently
    return 1 - (1 - t) ** 3


def fantasma(sp):
    """What stays where a thing went away: its dotted outline, so the child
    can still see how many have gone."""
    # the silhouette smoothed first, so the dashes follow one clean line
    # instead of every antenna and whisker
    m = maschera(sp).filter(ImageFilter.GaussianBlur(14)).point(lambda v: 255 if v > 110 else 0)
    dentro = m.filter(ImageFilter.GaussianBlur(5)).point(lambda v: 255 if v > 250 else 0)
    bordo = ImageChops.subtract(m, dentro)
    trattini = Image.new("L", (L, L), 0)
    dt = ImageDraw.Draw(trattini)
    for k in range(0, 28, 2):
        dt.pieslice([-L, -L, 2 * L, 2 * L], k * 360 / 28, (k + 1) * 360 / 28, fill=255)
    bordo = ImageChops.multiply(bordo, trattini)
    img = Image.new("RGBA", (L, L), (255, 255, 255, 255))
    img.putalpha(bordo)
    return contorna(img, 4)


class Tema:
    def __init__(self, nome, disegna, arrivo, partenza, riposo="dondola", **opz):
        self.nome = nome
        self.disegna = disegna
        self.arrivo = arrivo
        self.partenza = partenza
        self.riposo = riposo
        self.opz = opz


def movimento_riposo(tema, f):
    tipo = tema.riposo
    if tipo == "dondola":
        return dict(ang=5 * math.sin(2 * math.pi * f), perno=(C, 360))
    if tipo == "galleggia":
        return dict(dy=10 * math.sin(2 * math.pi * f), ang=3 * math.sin(2 * math.pi * f + 1))
    if tipo == "saltella":
        s = abs(math.sin(2 * math.pi * f))
        return dict(dy=-18 * s, sy=1 - 0.04 * (1 - s), sx=1 + 0.03 * (1 - s), perno=(C, 370))
    if tipo == "pulsa":
        s = 1 + 0.06 * math.sin(2 * math.pi * f)
        return dict(sx=s, sy=s, ang=6 * math.sin(2 * math.pi * f))
    if tipo == "fermo":
        return dict()
    raise ValueError(tipo)


def fotogrammi_riposo(tema, n=10):
    out = []
    for k in range(n):
        f = k / n
        fr = piazza(tela(), tema.disegna(f), **movimento_riposo(tema, f))
        if tema.riposo == "pulsa" and k % 5 == 0:
            d = ImageDraw.Draw(fr)
            scintilla(d, 60 + 20 * k, 60, 22)
        out.append((fr, 110))
    return out


def fotogrammi_arrivo(tema):
    tipo = tema.arrivo
    out = []
    n = 9
    for k in range(n):
        t = (k + 1) / n
        f = k / 4.0
        tf = {}
        sp = tema.disegna(f)
        if tipo == "da_sinistra":
            tf = dict(dx=-L * (1 - arriva(t)), dy=4 * math.sin(k * 1.7))
            if tema.opz.get("rotola"):
                tf = dict(dx=tf["dx"], ang=math.degrees(-tf["dx"] / 140))
        elif tipo == "salta":
            hop = abs(math.sin(math.pi * 2 * t))
            tf = dict(dx=-L * (1 - t), dy=-110 * hop, ang=-8 * hop)
        elif tipo == "cade":
            tf = dict(dy=-L * (1 - t * t))
        elif tipo == "scende":
            tf = dict(dy=-L * (1 - arriva(t)), ang=8 * math.sin(2 * math.pi * t))
        elif tipo == "vola":
            if "in_volo" in tema.opz and k < n - 1:
                sp = tema.opz["in_volo"](f)
            tf = dict(dx=-300 * (1 - arriva(t)), dy=-260 * (1 - arriva(t)) + 30 * math.sin(math.pi * t))
        elif tipo == "cresce":
            s = max(0.02, liscio(t))
            tf = dict(sx=0.4 + 0.6 * s, sy=s, perno=(C, 372))
        elif tipo == "appare":
            s = max(0.02, arriva(t)) * (1 + 0.25 * math.sin(math.pi * t))
            tf = dict(sx=s, sy=s, ang=-200 * (1 - t))
        elif tipo == "candela":
            sp = tema.disegna(f, fiamma=0.0)
            tf = dict(dy=-L * (1 - t * t))
        else:
            raise ValueError(tipo)
        fr = piazza(tela(), sp, **tf)
        if tipo == "appare" and k >= n - 4:
            d = ImageDraw.Draw(fr)
            for (x, y) in [(50, 70), (330, 90), (70, 320), (320, 320)]:
                scintilla(d, x, y, 18 + 6 * (k % 2), (255, 250, 180, 255))
        out.append((fr, 70))
    # arrived: a landing squash, then a rest long enough to count
    if tipo in ("cade", "salta", "candela"):
        schiaccia = tema.disegna(0.0) if tipo != "candela" else tema.disegna(0.0, fiamma=0.0)
        out.append((piazza(tela(), schiaccia, sx=1.12, sy=0.86, perno=(C, 372)), 80))
    if tipo == "candela":
        for k, fi in enumerate((0.3, 0.7, 1.0)):
            out.append((piazza(tela(), tema.disegna(k / 3, fiamma=fi)), 90))
        out.append((piazza(tela(), tema.disegna(0.5)), 1000))
        return out
    out.append((piazza(tela(), tema.disegna(0.25), **movimento_riposo(tema, 0.25)), 120))
    out.append((piazza(tela(), tema.disegna(0.5), **movimento_riposo(tema, 0.5)), 120))
    out.append((piazza(tela(), tema.disegna(0.0)), 1000))
    return out


def fotogrammi_partenza(tema):
    tipo = tema.partenza
    base = tema.disegna(0.0)
    ombra = fantasma(base)
    out = [(piazza(tela(), tema.disegna(0.0)), 350),
           (piazza(tela(), tema.disegna(0.25), **movimento_riposo(tema, 0.25)), 150)]
    n = 8
    finale = ombra
    for k in range(n):
        t = (k + 1) / n
        f = k / 4.0
        sp = tema.disegna(f)
        tf = {}
        if tipo == "a_destra":
            tf = dict(dx=L * esce(t), dy=4 * math.sin(k * 1.7))
            if tema.opz.get("rotola"):
                tf = dict(dx=tf["dx"], ang=math.degrees(-tf["dx"] / 140))
        elif tipo == "salta_via":
            hop = abs(math.sin(math.pi * 2 * t))
            tf = dict(dx=L * t, dy=-110 * hop, ang=-8 * hop)
        elif tipo == "sale":
            tf = dict(dy=-L * esce(t), ang=8 * math.sin(2 * math.pi * t))
        elif tipo == "vola_via":
            if "in_volo" in tema.opz:
                sp = tema.opz["in_volo"](f)
            tf = dict(dx=320 * esce(t), dy=-300 * esce(t) - 30 * math.sin(math.pi * t))
        elif tipo == "raccolto":
            tf = dict(dy=-L * esce(t), ang=10 * math.sin(math.pi * t), dx=30 * t)
        elif tipo == "giu":
            salto = math.sin(math.pi * min(1.0, t * 2)) if t < 0.5 else 0
            tf = dict(dy=-60 * salto if t < 0.5 else L * esce((t - 0.5) * 2), ang=-10 * t)
        elif tipo == "spegne":
            sp = tema.disegna(f, spenta=min(1.0, t * 2))
            s = 1.0 if t < 0.5 else 1 - 0.9 * esce((t - 0.5) * 2)
            tf = dict(sx=s, sy=s, ang=40 * max(0, t - 0.5))
        elif tipo == "mangiato":
            passi = tema.opz["mangiato"]     # the stages of being eaten
            i = min(len(passi) - 1, k * len(passi) // n)
            sp = passi[i]
        elif tipo == "soffia":
            fi = max(0.0, 1 - t * 1.6)
            sp = tema.disegna(f, fiamma=fi, fumo=max(0.0, t * 1.4 - 0.3))
            finale = tema.disegna(0.0, fiamma=0.0)
        else:
            raise ValueError(tipo)
        fr = piazza(tela(), sp, **tf)
        if tema.opz.get("polvere") and tipo == "a_destra" and 0.2 < t < 0.9:
            # little clouds of dust left behind as it drives off
            d = ImageDraw.Draw(fr)
            x = tf["dx"] + 10
            for j, r in enumerate((26, 20, 14)):
                ellisse(d, x - j * 46, 330 - j * 6, r, r, (215, 215, 225, 255), outline=CONTORNO, width=4)
        out.append((fr, 80 if tipo != "mangiato" else 110))
    if tipo == "mangiato":
        finale = Image.alpha_composite(ombra, tema.opz["resti"])
    out.append((finale, 900))
    return out


# ---------------------------------------------------------------- GIF

def rimpicciolisci(fr):
    piccolo = fr.convert("RGBa").resize((LATO, LATO), Image.LANCZOS).convert("RGBA")
    a = piccolo.getchannel("A").point(lambda v: 255 if v >= 128 else 0)
    piccolo.putalpha(a)
    return piccolo


def lzw(indici, minimo=8):
    """GIF's variable-length LZW, written out here because the frames must
    reach the file exactly as drawn: full frames, each with its own delay,
    disposal and transparent index, none merged or cropped."""
    pulisci, fine = 1 << minimo, (1 << minimo) + 1
    uscita = bytearray()
    acc, nbit = 0, 0

    def emetti(codice, ampiezza):
        nonlocal acc, nbit
        acc |= codice << nbit
        nbit += ampiezza
        while nbit >= 8:
            uscita.append(acc & 0xFF)
            acc >>= 8
            nbit -= 8

    def nuova_tabella():
        return {bytes([i]): i for i in range(pulisci)}

    tabella = nuova_tabella()
    prossimo = fine + 1
    ampiezza = minimo + 1
    emetti(pulisci, ampiezza)
    w = b""
    for c in indici:
        wc = w + bytes([c])
        if wc in tabella:
            w = wc
            continue
        emetti(tabella[w], ampiezza)
        if prossimo < 4096:
            tabella[wc] = prossimo
            prossimo += 1
            # the decoder widens its codes one entry later than we add them
            if prossimo - 1 == (1 << ampiezza) and ampiezza < 12:
                ampiezza += 1
        else:
            emetti(pulisci, ampiezza)
            tabella = nuova_tabella()
            prossimo = fine + 1
            ampiezza = minimo + 1
        w = bytes([c])
    if w:
        emetti(tabella[w], ampiezza)
    emetti(fine, ampiezza)
    if nbit:
        uscita.append(acc & 0xFF)
    return bytes(uscita)


def blocchi(dati):
    out = bytearray()
    for i in range(0, len(dati), 255):
        pezzo = dati[i:i + 255]
        out.append(len(pezzo))
        out += pezzo
    out.append(0)
    return bytes(out)


TRASP = 255     # palette index of the transparent pixels
# libimagequant (in Debian's Pillow) keeps the shading best; median cut is
# the fallback where Pillow was built without it.
METODO = Image.Quantize.LIBIMAGEQUANT if features.check("libimagequant") else Image.Quantize.MEDIANCUT


def salva_gif(percorso, fotogrammi, per_sempre=True):
    piccoli = [rimpicciolisci(fr) for fr, _ in fotogrammi]
    # One palette for all frames (255 colours and the transparent index), so
    # no frame changes colours when the decoder moves on.
    striscia = Image.new("RGB", (LATO * len(piccoli), LATO), (255, 255, 255))
    for i, p in enumerate(piccoli):
        striscia.paste(p.convert("RGB"), (i * LATO, 0), p.getchannel("A"))
    tavolozza = striscia.quantize(colors=255, method=METODO, dither=Image.Dither.NONE)
    pal = (tavolozza.getpalette() or [])[:255 * 3]
    pal += [0] * (768 - len(pal))
    pal[TRASP * 3:TRASP * 3 + 3] = [255, 0, 255]
    tavolozza.putpalette(pal)

    out = bytearray(b"GIF89a")
    out += LATO.to_bytes(2, "little") + LATO.to_bytes(2, "little")
    out += bytes([0xF7, TRASP, 0])          # global table of 256 colours
    out += bytes(pal)
    if per_sempre:  # without this block a GIF plays once
        out += b"\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00"  # loop for ever
    for p, (_, ms) in zip(piccoli, fotogrammi):
        q = p.convert("RGB").quantize(palette=tavolozza, dither=Image.Dither.NONE)
        trasp = p.getchannel("A").point(lambda v: 255 if v < 128 else 0)
        q.paste(TRASP, (0, 0, LATO, LATO), trasp)
        ritardo = max(2, round(ms / 10))
        # disposal 2: the cell is cleared to transparent before the next frame
        out += bytes([0x21, 0xF9, 4, (2 << 2) | 1]) + ritardo.to_bytes(2, "little") + bytes([TRASP, 0])
        out += b"\x2C" + bytes(4) + LATO.to_bytes(2, "little") + LATO.to_bytes(2, "little") + b"\x00"
        out += bytes([8]) + blocchi(lzw(q.tobytes()))
    out += b"\x3B"
    with open(percorso, "wb") as fh:
        fh.write(out)
    return piccoli


# ---------------------------------------------------------------- themes

def _temi():
    return [
        Tema("palloncino", palloncino, "scende", "sale", "galleggia"),
        Tema("mela", mela, "cade", "mangiato", "dondola",
             mangiato=[mela(0, 1), mela(0, 2), mela(0, 3), mela(0, torsolo=True)],
             resti=mela(0, torsolo=True)),
        Tema("pesciolino", pesciolino, "da_sinistra", "a_destra", "galleggia"),
        Tema("uccellino", uccellino, "vola", "vola_via", "saltella"),
        Tema("macchinina", macchinina, "da_sinistra", "a_destra", "saltella", polvere=True),
        Tema("stella", stella, "appare", "spegne", "pulsa"),
        Tema("fiore", fiore, "cresce", "raccolto", "dondola"),
        Tema("rana", rana, "salta", "salta_via", "saltella"),
        Tema("farfalla", farfalla, "vola", "vola_via", "galleggia"),
        Tema("biscotto", biscotto, "cade", "mangiato", "dondola",
             mangiato=[biscotto(0, 1), biscotto(0, 2), biscotto(0, 3), biscotto(0, briciole=True)],
             resti=biscotto(0, briciole=True)),
        Tema("palla", palla, "da_sinistra", "a_destra", "saltella", rotola=True),
        Tema("candelina", candelina, "candela", "soffia", "fermo"),
        Tema("pulcino", pulcino, "da_sinistra", "a_destra", "saltella"),
        Tema("barchetta", barchetta, "da_sinistra", "a_destra", "dondola"),
        Tema("fragola", fragola, "cade", "mangiato", "dondola",
             mangiato=[fragola(0, 1), fragola(0, 2), fragola(0, 3), fragola(0, picciolo=True)],
             resti=fragola(0, picciolo=True)),
        Tema("gattino", gattino, "salta", "a_destra", "dondola"),
        Tema("coccinella", coccinella, "vola", "vola_via", "dondola",
             in_volo=lambda f: coccinella(f, volo=True)),
        Tema("orsetto", orsetto, "salta", "giu", "dondola"),
    ]


def main(argv):
    solo = set(argv[1:])
    os.makedirs(USCITA, exist_ok=True)
    temi = [t for t in _temi() if not solo or t.nome in solo]
    righe = []
    for tema in temi:
        serie = {
            tema.nome + ".gif": fotogrammi_riposo(tema),
            tema.nome + "_arriva.gif": fotogrammi_arrivo(tema),
            tema.nome + "_via.gif": fotogrammi_partenza(tema),
        }
        riga = []
        for j, (nome, fotogrammi) in enumerate(serie.items()):
            assert 8 <= len(fotogrammi) <= 16, (nome, len(fotogrammi))
            piccoli = salva_gif(os.path.join(USCITA, nome), fotogrammi, per_sempre=(j == 0))
            meta = len(piccoli) // 2
            # the idle loop from its start, the others mid-way and as they end
            riga.append((nome, piccoli[0 if j == 0 else meta], piccoli[meta if j == 0 else -1]))
        righe.append((tema.nome, riga))
        print(tema.nome, "ok")
    if not solo:
        disegna_foglio(righe)


def disegna_foglio(righe):
    """The contact sheet: one row per theme, the first and a middle frame of
    each of its three animations, on the two ends of the exercise screens'
    gradient so that both contrasts are seen."""
    cella = LATO + 8
    testa = 150
    larg = testa + 6 * cella
    alt = len(righe) * (cella + 4) + 30
    foglio = Image.new("RGB", (larg, alt), (250, 250, 250))
    d = ImageDraw.Draw(foglio)
    try:
        font = ImageFont.truetype("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 14)
    except OSError:
        font = ImageFont.load_default()
    for j, titolo in enumerate(("c'è", "", "arriva", "(fine)", "va via", "(fine)")):
        d.text((testa + j * cella + 4, 6), titolo, fill=(0, 0, 0), font=font)
    for i, (nome, riga) in enumerate(righe):
        y = 26 + i * (cella + 4)
        d.text((6, y + cella // 2 - 8), nome, fill=(0, 0, 0), font=font)
        for j, (_, primo, medio) in enumerate(riga):
            for k, im in enumerate((primo, medio)):
                x = testa + (2 * j + k) * cella
                sfondo = (192, 255, 255) if k == 0 else (40, 60, 200)
                d.rectangle([x, y, x + cella - 2, y + cella - 2], fill=sfondo)
                foglio.paste(im, (x + 3, y + 3), im)
    foglio.save(FOGLIO)


if __name__ == "__main__":
    main(sys.argv)
