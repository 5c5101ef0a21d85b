#!/usr/bin/env python3
"""Draws the pupils' still pictures into data/figure/.

Each is one thing a five-year-old names at once, drawn like the story
animations (the same helpers, the same dark sticker outline) so that the
class screen's pictures look like one set.  A pupil's picture is kept by its
file name: a new picture gets a new name, an old one is never renamed or
given another meaning.

Every picture is a PNG of 128 by 128 pixels with a transparent background,
drawn at three times the size and scaled down.  A contact sheet with every
pupil picture (the animations' first frames, then these) at the sizes the
"Chi gioca?" buttons show them goes to tools/foglio_figure.png.

Run with Debian's Python 3 and python3-pil:  python3 tools/genera_figure.py
"""

import math
import os
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFont

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from genera_animazioni import C, CONTORNO, L, bezier, contorna, ellisse, punti_ellisse, tela  # noqa: E402

LATO = 128
QUI = os.path.dirname(os.path.abspath(__file__))
RADICE = os.path.dirname(QUI)
USCITA = os.path.join(RADICE, "data", "figure")
ANIMAZIONI = os.path.join(RADICE, "data", "gifanimate")
FOGLIO = os.path.join(QUI, "foglio_figure.png")

BIANCO = (255, 255, 255, 255)
NERO = (30, 24, 36, 255)


def occhi(d, xs, y, r=12):
    for x in xs:
        ellisse(d, x, y, r, r * 1.25, NERO)
        ellisse(d, x + r * 0.35, y - r * 0.45, r * 0.35, r * 0.35, BIANCO)


def sorriso(d, x, y, larga=30, spessore=7):
    d.arc([x - larga, y - larga * 0.7, x + larga, y + larga * 0.7], 20, 160, fill=NERO, width=spessore)


def guance(d, xs, y):
    for x in xs:
        ellisse(d, x, y, 14, 9, (255, 140, 140, 255))


# ---------------------------------------------------------------- the things

def sole():
    img = tela()
    d = ImageDraw.Draw(img)
    for k in range(12):
        a = 2 * math.pi * k / 12
        b = math.pi / 12
        d.polygon([(C + 108 * math.cos(a - b), C + 108 * math.sin(a - b)),
                   (C + 182 * math.cos(a), C + 182 * math.sin(a)),
                   (C + 108 * math.cos(a + b), C + 108 * math.sin(a + b))], fill=(255, 150, 20, 255))
    ellisse(d, C, C, 118, 118, (255, 208, 30, 255))
    img = contorna(img)
    d = ImageDraw.Draw(img)
    ellisse(d, C - 8, C - 8, 96, 96, (255, 228, 90, 255))
    ellisse(d, C, C, 92, 92, (255, 208, 30, 255))
    occhi(d, (C - 36, C + 36), C - 18, 13)
    sorriso(d, C, C + 22, 40, 8)
    guance(d, (C - 64, C + 64), C + 20)
    return img


def luna():
    img = tela()
    d = ImageDraw.Draw(img)
    ellisse(d, C - 10, C, 160, 160, (255, 236, 130, 255))
    buco = tela()
    ellisse(ImageDraw.Draw(buco), C + 80, C - 50, 140, 140, (0, 0, 0, 255))
    img.putalpha(ImageChops.subtract(img.getchannel("A"), buco.getchannel("A")))
    img = contorna(img)
    d = ImageDraw.Draw(img)
    for (x, y, r) in [(-110, 10, 18), (-70, 100, 14), (-40, 150, 10), (-120, -60, 10)]:
        ellisse(d, C + x, C + y, r, r, (236, 204, 90, 255))
    return img


def treno():
    img = tela()
    d = ImageDraw.Draw(img)
    blu = (40, 120, 230, 255)
    rosso = (230, 44, 44, 255)
    d.rectangle([C - 160, C - 80, C - 40, C + 90], fill=rosso)            # cab
    d.rectangle([C - 176, C - 100, C - 24, C - 70], fill=(60, 60, 80, 255))  # roof
    d.rounded_rectangle([C - 50, C - 20, C + 150, C + 90], radius=40, fill=blu)  # boiler
    d.polygon([(C + 70, C - 20), (C + 60, C - 100), (C + 130, C - 100), (C + 120, C - 20)], fill=(60, 60, 80, 255))
    d.polygon([(C + 150, C + 60), (C + 186, C + 120), (C + 130, C + 120)], fill=(255, 200, 30, 255))
    for x, r in ((C - 110, 46), (C + 10, 36), (C + 96, 36)):
        ellisse(d, x, C + 110, r, r, (44, 44, 56, 255))
    img = contorna(img)
    d = ImageDraw.Draw(img)
    d.rectangle([C - 140, C - 56, C - 60, C + 4], fill=(170, 225, 255, 255), outline=CONTORNO, width=5)
    d.line([(C - 40, C + 40), (C + 150, C + 40)], fill=(255, 210, 40, 255), width=8)
    for x, r in ((C - 110, 46), (C + 10, 36), (C + 96, 36)):
        ellisse(d, x, C + 110, r * 0.45, r * 0.45, (255, 210, 40, 255))
    ellisse(d, C + 150, C + 20, 14, 14, (255, 250, 160, 255), outline=CONTORNO, width=4)
    fumo = tela()
    df = ImageDraw.Draw(fumo)
    for (x, y, r) in [(C + 100, C - 130, 26), (C + 60, C - 160, 30), (C + 10, C - 176, 22)]:
        ellisse(df, x, y, r, r, (225, 225, 235, 255))
    return Image.alpha_composite(img, contorna(fumo, 5))


def pera():
    img = tela()
    d = ImageDraw.Draw(img)
    verde = (170, 210, 50, 255)
    ellisse(d, C, C + 70, 118, 112, verde)
    ellisse(d, C + 4, C - 40, 70, 84, verde)
    d.polygon([(C - 60, C - 30), (C + 70, C - 30), (C + 110, C + 60), (C - 110, C + 60)], fill=verde)
    d.line([(C + 4, C - 110), (C + 20, C - 170)], fill=(110, 66, 30, 255), width=16)
    d.polygon(punti_ellisse(C + 64, C - 150, 44, 18, -20), fill=(60, 170, 60, 255))
    img = contorna(img)
    d = ImageDraw.Draw(img)
    d.polygon(punti_ellisse(C - 56, C + 30, 18, 40, 15), fill=(230, 246, 160, 255))
    ellisse(d, C + 60, C + 110, 20, 14, (236, 160, 70, 255))
    return img


def ciliegie():
    img = tela()
    d = ImageDraw.Draw(img)
    gambo = (80, 140, 40, 255)
    d.line(bezier((C - 70, C + 60), (C - 40, C - 60), (C + 10, C - 140)), fill=gambo, width=12)
    d.line(bezier((C + 80, C + 40), (C + 60, C - 60), (C + 10, C - 140)), fill=gambo, width=12)
    d.polygon(punti_ellisse(C + 70, C - 140, 62, 26, -15), fill=(70, 180, 60, 255))
    rosso = (214, 20, 50, 255)
    ellisse(d, C - 76, C + 100, 80, 78, rosso)
    ellisse(d, C + 84, C + 82, 80, 78, rosso)
    img = contorna(img)
    d = ImageDraw.Draw(img)
    d.line([(C + 20, C - 136), (C + 120, C - 150)], fill=(40, 130, 40, 255), width=5)
    for x, y in ((C - 76, C + 100), (C + 84, C + 82)):
        d.polygon(punti_ellisse(x - 34, y - 28, 13, 24, 30), fill=(255, 160, 170, 255))
    return img


def cane():
    img = tela()
    d = ImageDraw.Draw(img)
    bianco = (250, 248, 240, 255)
    nero = (58, 44, 40, 255)
    ellisse(d, C, C + 20, 128, 122, bianco)
    for s in (-1, 1):
        d.polygon(punti_ellisse(C + s * 130, C + 30, 48, 100, s * -18), fill=nero)
    img = contorna(img)
    d = ImageDraw.Draw(img)
    d.polygon(punti_ellisse(C + 50, C - 20, 44, 40, 10), fill=(196, 140, 90, 255))
    occhi(d, (C - 46, C + 46), C - 18, 14)
    ellisse(d, C, C + 74, 64, 46, (236, 228, 214, 255))
    ellisse(d, C, C + 46, 28, 20, NERO)
    ellisse(d, C - 8, C + 40, 8, 5, (130, 120, 140, 255))
    d.line([(C, C + 64), (C, C + 84)], fill=NERO, width=6)
    d.arc([C - 40, C + 58, C, C + 98], 10, 170, fill=NERO, width=6)
    d.arc([C, C + 58, C + 40, C + 98], 10, 170, fill=NERO, width=6)
    ellisse(d, C, C + 112, 18, 22, (255, 110, 130, 255), outline=CONTORNO, width=4)
    d.line([(C, C + 96), (C, C + 124)], fill=(200, 60, 90, 255), width=4)
    return img


def coniglio():
    img = tela()
    d = ImageDraw.Draw(img)
    pelo = (236, 234, 244, 255)
    for s in (-1, 1):
        d.polygon(punti_ellisse(C + s * 52, C - 96, 40, 96, s * 8), fill=pelo)
    ellisse(d, C, C + 80, 130, 104, pelo)
    img = contorna(img)
    d = ImageDraw.Draw(img)
    for s in (-1, 1):
        d.polygon(punti_ellisse(C + s * 52, C - 90, 20, 72, s * 8), fill=(255, 170, 196, 255))
    occhi(d, (C - 48, C + 48), C + 50, 14)
    d.polygon([(C - 16, C + 86), (C + 16, C + 86), (C, C + 104)], fill=(255, 110, 150, 255), outline=CONTORNO, width=3)
    d.arc([C - 32, C + 92, C, C + 124], 10, 170, fill=CONTORNO, width=5)
    d.arc([C, C + 92, C + 32, C + 124], 10, 170, fill=CONTORNO, width=5)
    d.rectangle([C - 14, C + 118, C + 14, C + 144], fill=BIANCO, outline=CONTORNO, width=4)
    d.line([(C, C + 118), (C, C + 144)], fill=CONTORNO, width=3)
    guance(d, (C - 86, C + 86), C + 96)
    return img


def albero():
    img = tela()
    d = ImageDraw.Draw(img)
    d.polygon([(C - 30, C + 40), (C + 30, C + 40), (C + 40, C + 180), (C - 40, C + 180)], fill=(150, 96, 50, 255))
    verde = (60, 176, 60, 255)
    for (x, y, r) in [(0, -90, 86), (-90, -30, 74), (90, -30, 74), (-50, 40, 72), (50, 40, 72), (0, -10, 90)]:
        ellisse(d, C + x, C + y, r, r, verde)
    img = contorna(img)
    d = ImageDraw.Draw(img)
    for (x, y, r) in [(-20, -120, 30), (-100, -50, 24), (60, -70, 22)]:
        ellisse(d, C + x, C + y, r, r * 0.8, (120, 214, 100, 255))
    d.line([(C, C + 120), (C - 20, C + 90)], fill=(110, 66, 30, 255), width=6)
    return img


def casa():
    img = tela()
    d = ImageDraw.Draw(img)
    d.rectangle([C + 60, C - 150, C + 100, C - 60], fill=(180, 80, 60, 255))
    d.rectangle([C - 130, C - 10, C + 130, C + 170], fill=(255, 214, 110, 255))
    d.polygon([(C, C - 170), (C + 176, C + 10), (C - 176, C + 10)], fill=(226, 52, 44, 255))
    img = contorna(img)
    d = ImageDraw.Draw(img)
    d.rounded_rectangle([C - 100, C + 60, C - 30, C + 170], radius=30, fill=(60, 130, 230, 255),
                        outline=CONTORNO, width=6)
    ellisse(d, C - 44, C + 120, 7, 7, (255, 220, 60, 255))
    d.rectangle([C + 20, C + 50, C + 104, C + 124], fill=(170, 225, 255, 255), outline=CONTORNO, width=6)
    d.line([(C + 62, C + 50), (C + 62, C + 124)], fill=CONTORNO, width=5)
    d.line([(C + 20, C + 87), (C + 104, C + 87)], fill=CONTORNO, width=5)
    ellisse(d, C, C - 60, 30, 30, (170, 225, 255, 255), outline=CONTORNO, width=6)
    return img


def aquilone():
    img = tela()
    d = ImageDraw.Draw(img)
    coda = bezier((C + 20, C + 40), (C - 120, C + 110), (C - 40, C + 176))
    d.line(coda, fill=(90, 80, 110, 255), width=7)
    for i, col in ((6, (255, 200, 30, 255)), (12, (236, 48, 72, 255))):
        x, y = coda[i]
        d.polygon([(x - 30, y - 18), (x + 30, y + 18), (x + 30, y - 18), (x - 30, y + 18)], fill=col)
    alto, sin, des, basso = (C + 40, C - 184), (C - 90, C - 64), (C + 170, C - 64), (C + 40, C + 60)
    centro = (C + 40, C - 64)
    colori = [(236, 48, 72, 255), (255, 200, 30, 255), (60, 170, 230, 255), (90, 200, 90, 255)]
    for (p, q), col in zip([(alto, des), (des, basso), (basso, sin), (sin, alto)], colori):
        d.polygon([centro, p, q], fill=col)
    img = contorna(img)
    d = ImageDraw.Draw(img)
    d.line([alto, basso], fill=CONTORNO, width=5)
    d.line([sin, des], fill=CONTORNO, width=5)
    return img


def ombrello():
    img = tela()
    d = ImageDraw.Draw(img)
    d.line([(C, C - 40), (C, C + 130)], fill=(90, 60, 40, 255), width=14)
    d.arc([C - 4, C + 100, C + 60, C + 170], 0, 180, fill=(90, 60, 40, 255), width=14)
    colori = [(236, 48, 72, 255), (255, 255, 255, 255)]
    r = 176
    for k in range(6):
        d.pieslice([C - r, C - 176 + 40, C + r, C + 176 + 40], 180 + k * 30, 180 + (k + 1) * 30,
                   fill=colori[k % 2])
    # the scallops under the canopy
    for k in range(6):
        x = C - r + r / 6 + k * r / 3
        ellisse(d, x, C + 40, r / 6, 26, (0, 0, 0, 0))
    img = contorna(img)
    d = ImageDraw.Draw(img)
    d.line([(C, C - 136), (C, C - 160)], fill=CONTORNO, width=10)
    for k in range(1, 6):
        a = math.radians(180 + k * 30)
        d.line([(C, C + 40), (C + r * math.cos(a), C + 40 + r * math.sin(a))], fill=(160, 30, 50, 255), width=4)
    return img


def scarpa():
    img = tela()
    d = ImageDraw.Draw(img)
    rosso = (236, 48, 60, 255)
    d.polygon([(C - 160, C - 70), (C - 60, C - 70), (C - 10, C + 10), (C + 120, C + 30), (C + 170, C + 80),
               (C + 170, C + 100), (C - 170, C + 100)], fill=rosso)
    d.rounded_rectangle([C - 176, C + 80, C + 176, C + 126], radius=20, fill=BIANCO)
    img = contorna(img)
    d = ImageDraw.Draw(img)
    for k in range(4):
        x = C - 70 + k * 26
        d.line([(x - 14, C - 40 + k * 20), (x + 26, C - 30 + k * 20)], fill=BIANCO, width=9)
    ellisse(d, C - 120, C + 10, 24, 24, BIANCO, outline=CONTORNO, width=5)
    d.line([(C - 170, C + 100), (C + 170, C + 100)], fill=(190, 190, 200, 255), width=5)
    d.polygon(punti_ellisse(C + 110, C + 58, 30, 10, 10), fill=(255, 170, 170, 255))
    return img


def tazza():
    img = tela()
    d = ImageDraw.Draw(img)
    blu = (60, 140, 236, 255)
    d.ellipse([C + 60, C - 40, C + 176, C + 90], outline=blu, width=34)
    d.rounded_rectangle([C - 140, C - 80, C + 110, C + 150], radius=40, fill=blu)
    img = contorna(img)
    d = ImageDraw.Draw(img)
    ellisse(d, C - 15, C - 80, 118, 18, (120, 70, 40, 255), outline=CONTORNO, width=5)
    for (x, y) in [(-90, -20), (-20, 10), (50, -30), (-70, 80), (20, 90), (80, 50)]:
        ellisse(d, C + x, C + y, 15, 15, BIANCO)
    vapore = tela()
    dv = ImageDraw.Draw(vapore)
    for x in (C - 60, C + 20):
        pts = [(x + 16 * math.sin(i * 0.6), C - 110 - i * 6) for i in range(12)]
        dv.line(pts, fill=(230, 230, 240, 255), width=14, joint="curve")
    return Image.alpha_composite(img, contorna(vapore, 5))


def chiave():
    # drawn lying down, then tilted: ring, shaft and two teeth
    img = tela()
    d = ImageDraw.Draw(img)
    oro = (255, 196, 30, 255)
    ellisse(d, C - 100, C, 76, 76, oro)
    d.rectangle([C - 60, C - 24, C + 176, C + 24], fill=oro)
    d.rectangle([C + 70, C, C + 104, C + 80], fill=oro)
    d.rectangle([C + 130, C, C + 170, C + 64], fill=oro)
    buco = Image.new("L", (L, L), 0)
    ellisse(ImageDraw.Draw(buco), C - 110, C, 30, 30, 255)
    img.putalpha(ImageChops.subtract(img.getchannel("A"), buco))
    img = img.rotate(30, resample=Image.BICUBIC, center=(C, C))
    img = contorna(img)
    luce = tela()
    dl = ImageDraw.Draw(luce)
    dl.arc([C - 160, C - 60, C - 40, C + 60], 200, 290, fill=(255, 240, 170, 255), width=12)
    dl.line([(C - 30, C - 10), (C + 150, C - 10)], fill=(255, 236, 150, 255), width=8)
    return Image.alpha_composite(img, luce.rotate(30, resample=Image.BICUBIC, center=(C, C)))


def tamburo():
    img = tela()
    d = ImageDraw.Draw(img)
    rosso = (226, 40, 50, 255)
    for s in (-1, 1):
        d.line([(C + s * 40, C - 60), (C + s * 150, C - 180)], fill=(200, 150, 90, 255), width=18)
        ellisse(d, C + s * 150, C - 180, 18, 18, (240, 220, 180, 255))
    d.rectangle([C - 150, C - 40, C + 150, C + 120], fill=rosso)
    ellisse(d, C, C + 120, 150, 50, rosso)
    ellisse(d, C, C - 40, 150, 50, (250, 244, 226, 255))
    img = contorna(img)
    d = ImageDraw.Draw(img)
    ellisse(d, C, C - 40, 150, 50, (250, 244, 226, 255), outline=CONTORNO, width=6)
    pts = []
    for k in range(9):
        x = C - 140 + k * 35
        pts.append((x, C + 10 if k % 2 == 0 else C + 130))
    d.line(pts, fill=(255, 214, 60, 255), width=9)
    d.arc([C - 150, C + 70, C + 150, C + 170], 0, 180, fill=(255, 214, 60, 255), width=12)
    return img


def chitarra():
    img = tela()
    d = ImageDraw.Draw(img)
    legno = (236, 140, 50, 255)
    d.line([(C - 10, C + 10), (C + 130, C - 130)], fill=(120, 70, 40, 255), width=30)
    d.polygon(punti_ellisse(C + 150, C - 150, 26, 40, 45), fill=(90, 50, 30, 255))
    ellisse(d, C - 90, C + 90, 92, 92, legno)
    ellisse(d, C - 20, C + 20, 66, 66, legno)
    img = contorna(img)
    d = ImageDraw.Draw(img)
    ellisse(d, C - 44, C + 44, 28, 28, (70, 40, 24, 255))
    d.line([(C - 110, C + 110), (C - 90, C + 130)], fill=(90, 50, 30, 255), width=14)
    for k in (-6, 6):
        d.line([(C - 100 + k, C + 120 + k), (C + 140 + k, C - 120 + k)], fill=(250, 250, 250, 255), width=3)
    for (x, y) in [(C + 140, C - 168), (C + 168, C - 140)]:
        ellisse(d, x, y, 8, 8, (230, 230, 240, 255), outline=CONTORNO, width=3)
    return img


def razzo():
    img = tela()
    d = ImageDraw.Draw(img)
    fiamma = tela()
    df = ImageDraw.Draw(fiamma)
    df.polygon([(C - 40, C + 110), (C, C + 186), (C + 40, C + 110)], fill=(255, 150, 20, 255))
    df.polygon([(C - 20, C + 110), (C, C + 156), (C + 20, C + 110)], fill=(255, 236, 90, 255))
    for s in (-1, 1):
        d.polygon([(C + s * 50, C + 10), (C + s * 110, C + 90), (C + s * 110, C + 140), (C + s * 50, C + 100)],
                  fill=(226, 40, 50, 255))
    d.polygon(bezier((C - 60, C + 120), (C - 80, C - 60), (C, C - 180))
              + bezier((C, C - 180), (C + 80, C - 60), (C + 60, C + 120))[1:], fill=(240, 240, 248, 255))
    img = contorna(Image.alpha_composite(fiamma, img))
    d = ImageDraw.Draw(img)
    d.polygon(bezier((C - 36, C - 100), (C - 20, C - 150), (C, C - 174))
              + bezier((C, C - 174), (C + 20, C - 150), (C + 36, C - 100))[1:], fill=(226, 40, 50, 255))
    ellisse(d, C, C - 20, 34, 34, (90, 170, 240, 255), outline=CONTORNO, width=7)
    ellisse(d, C - 10, C - 30, 9, 9, (210, 240, 255, 255))
    d.rectangle([C - 8, C + 40, C + 8, C + 120], fill=(226, 40, 50, 255))
    return img


def lumaca():
    img = tela()
    d = ImageDraw.Draw(img)
    corpo = (150, 210, 80, 255)
    d.polygon([(C - 170, C + 130), (C + 110, C + 130), (C + 120, C + 80), (C - 140, C + 90)], fill=corpo)
    ellisse(d, C + 120, C + 40, 50, 80, corpo)
    for s in (0, 1):
        x = C + 96 + s * 50
        d.line([(x, C - 10), (x - 10 + s * 20, C - 100)], fill=corpo, width=12)
        ellisse(d, x - 10 + s * 20, C - 104, 16, 16, corpo)
    ellisse(d, C - 40, C - 10, 120, 120, (230, 130, 50, 255))
    img = contorna(img)
    d = ImageDraw.Draw(img)
    pts = []
    for i in range(120):
        t = i / 119
        a = 4.0 * math.pi * t
        r = 10 + 96 * t
        pts.append((C - 40 + r * math.cos(a + math.pi), C - 10 + r * math.sin(a + math.pi)))
    d.line(pts, fill=(150, 70, 30, 255), width=10, joint="curve")
    ellisse(d, C + 128, C - 104, 7, 7, NERO)
    ellisse(d, C + 126, C + 30, 11, 7, (255, 140, 140, 255))
    d.arc([C + 110, C + 40, C + 160, C + 80], 20, 140, fill=NERO, width=5)
    return img


def ape():
    img = tela()
    d = ImageDraw.Draw(img)
    ali = tela()
    da = ImageDraw.Draw(ali)
    da.polygon(punti_ellisse(C - 40, C - 100, 50, 86, -25), fill=(215, 238, 255, 255))
    da.polygon(punti_ellisse(C + 40, C - 100, 50, 86, 25), fill=(215, 238, 255, 255))
    ali = contorna(ali, 6)
    d.polygon([(C + 150, C + 20), (C + 186, C + 36), (C + 150, C + 54)], fill=NERO)
    ellisse(d, C, C + 40, 160, 104, (255, 206, 30, 255))
    d.line([(C - 110, C - 20), (C - 150, C - 120)], fill=NERO, width=7)
    d.line([(C - 90, C - 30), (C - 100, C - 130)], fill=NERO, width=7)
    img = contorna(img)
    d = ImageDraw.Draw(img)
    fasce = tela()
    dfa = ImageDraw.Draw(fasce)
    for x in (C - 10, C + 70):
        dfa.rectangle([x, 0, x + 40, L], fill=NERO)
    dentro = Image.new("L", (L, L), 0)
    ellisse(ImageDraw.Draw(dentro), C, C + 40, 156, 100, 255)
    fasce.putalpha(ImageChops.multiply(fasce.getchannel("A"), dentro))
    img = Image.alpha_composite(img, fasce)
    d = ImageDraw.Draw(img)
    ellisse(d, C - 150, C - 124, 12, 12, NERO)
    ellisse(d, C - 100, C - 134, 12, 12, NERO)
    occhi(d, (C - 96,), C + 20, 14)
    sorriso(d, C - 96, C + 60, 22, 6)
    img = Image.alpha_composite(img, ali)
    return img


def fungo():
    img = tela()
    d = ImageDraw.Draw(img)
    d.rounded_rectangle([C - 56, C - 10, C + 56, C + 170], radius=30, fill=(250, 240, 220, 255))
    d.chord([C - 176, C - 170, C + 176, C + 90], 180, 360, fill=(226, 36, 44, 255))
    d.rounded_rectangle([C - 176, C - 60, C + 176, C - 30], radius=14, fill=(226, 36, 44, 255))
    img = contorna(img)
    d = ImageDraw.Draw(img)
    for (x, y, r) in [(-100, -70, 24), (0, -120, 30), (96, -80, 22), (-40, -60, 14), (50, -40, 14),
                      (140, -46, 12), (-146, -46, 12)]:
        ellisse(d, C + x, C + y, r, r, BIANCO)
    occhi(d, (C - 24, C + 24), C + 60, 10)
    sorriso(d, C, C + 90, 18, 5)
    return img


def gelato():
    img = tela()
    d = ImageDraw.Draw(img)
    d.polygon([(C - 90, C + 10), (C + 90, C + 10), (C, C + 186)], fill=(232, 180, 100, 255))
    ellisse(d, C, C - 30, 100, 84, (120, 220, 170, 255))
    ellisse(d, C, C - 110, 82, 70, (255, 150, 190, 255))
    img = contorna(img)
    d = ImageDraw.Draw(img)
    grata = tela()
    dg = ImageDraw.Draw(grata)
    for k in range(-6, 7):
        dg.line([(C + k * 34 - 120, C - 80), (C + k * 34 + 120, C + 240)], fill=(180, 120, 60, 255), width=5)
        dg.line([(C + k * 34 + 120, C - 80), (C + k * 34 - 120, C + 240)], fill=(180, 120, 60, 255), width=5)
    cono = Image.new("L", (L, L), 0)
    ImageDraw.Draw(cono).polygon([(C - 84, C + 40), (C + 84, C + 40), (C, C + 178)], fill=255)
    grata.putalpha(ImageChops.multiply(grata.getchannel("A"), cono))
    img = Image.alpha_composite(img, grata)
    d = ImageDraw.Draw(img)
    for x in (-70, -20, 30, 76):
        ellisse(d, C + x, C + 26, 22, 18, (120, 220, 170, 255))
    d.arc([C - 100, C - 48, C + 100, C + 36], 20, 160, fill=CONTORNO, width=5)
    ellisse(d, C - 30, C - 130, 16, 10, (255, 210, 226, 255))
    ellisse(d, C - 40, C - 50, 16, 10, (200, 250, 226, 255))
    for (x, y, col) in [(20, -150, (255, 230, 60)), (50, -110, (90, 170, 240)), (-10, -100, (255, 255, 255))]:
        d.line([(C + x, C + y), (C + x + 12, C + y + 8)], fill=col + (255,), width=7)
    return img


def arcobaleno():
    img = tela()
    d = ImageDraw.Draw(img)
    colori = [(236, 40, 48), (255, 150, 20), (255, 220, 30), (70, 190, 70), (50, 130, 230), (140, 80, 200)]
    r = 176
    for k, col in enumerate(colori):
        rr = r - k * 20
        d.pieslice([C - rr, C + 60 - rr, C + rr, C + 60 + rr], 180, 360, fill=col + (255,))
    rr = r - 6 * 20
    d.pieslice([C - rr, C + 60 - rr, C + rr, C + 60 + rr], 180, 360, fill=(0, 0, 0, 0))
    nuvola = tela()
    dn = ImageDraw.Draw(nuvola)
    for x0 in (C - 140, C + 140):
        for (x, y, rr) in [(-40, 80, 36), (0, 60, 46), (44, 82, 34), (0, 100, 34)]:
            ellisse(dn, x0 + x, C + y, rr, rr, BIANCO)
    img = contorna(img)
    return Image.alpha_composite(img, contorna(nuvola))


def carota():
    # drawn standing, then tilted
    img = tela()
    d = ImageDraw.Draw(img)
    verde = (60, 170, 60, 255)
    for a in (-35, 0, 35):
        t = math.radians(a)
        d.polygon(punti_ellisse(C + 70 * math.sin(t), C - 120 - 50 * math.cos(t), 22, 58, a), fill=verde)
    arancio = (255, 130, 20, 255)
    ellisse(d, C, C - 70, 70, 36, arancio)
    d.polygon(bezier((C - 70, C - 70), (C - 50, C + 80), (C, C + 186))
              + bezier((C, C + 186), (C + 50, C + 80), (C + 70, C - 70))[1:], fill=arancio)
    img = contorna(img.rotate(-35, resample=Image.BICUBIC, center=(C, C)))
    segni = tela()
    ds = ImageDraw.Draw(segni)
    for (y, x0, x1) in [(-20, -50, -10), (30, 10, 44), (80, -34, -4), (120, 4, 24)]:
        ds.line([(C + x0, C + y), (C + x1, C + y)], fill=(210, 96, 10, 255), width=7)
    return Image.alpha_composite(img, segni.rotate(-35, resample=Image.BICUBIC, center=(C, C)))


def pinguino():
    img = tela()
    d = ImageDraw.Draw(img)
    nero = (40, 44, 70, 255)
    for s in (-1, 1):
        ellisse(d, C + s * 50, C + 168, 40, 16, (255, 150, 20, 255))
        d.polygon(punti_ellisse(C + s * 110, C + 40, 30, 80, s * -25), fill=nero)
    ellisse(d, C, C + 50, 110, 126, nero)
    ellisse(d, C, C - 90, 90, 84, nero)
    img = contorna(img)
    d = ImageDraw.Draw(img)
    ellisse(d, C, C + 66, 80, 100, BIANCO)
    ellisse(d, C - 30, C - 80, 40, 46, BIANCO)
    ellisse(d, C + 30, C - 80, 40, 46, BIANCO)
    ellisse(d, C, C - 30, 60, 30, BIANCO)
    occhi(d, (C - 30, C + 30), C - 84, 12)
    d.polygon([(C - 24, C - 52), (C + 24, C - 52), (C, C - 20)], fill=(255, 150, 20, 255), outline=CONTORNO, width=4)
    guance(d, (C - 58, C + 58), C - 44)
    return img


# The contact sheet's order; the class screen offers them by file name.
FIGURE = [
    ("sole", sole), ("luna", luna), ("treno", treno), ("pera", pera), ("ciliegie", ciliegie), ("cane", cane),
    ("coniglio", coniglio), ("albero", albero), ("casa", casa), ("aquilone", aquilone), ("ombrello", ombrello),
    ("scarpa", scarpa), ("tazza", tazza), ("chiave", chiave), ("tamburo", tamburo), ("chitarra", chitarra),
    ("razzo", razzo), ("lumaca", lumaca), ("ape", ape), ("fungo", fungo), ("gelato", gelato),
    ("arcobaleno", arcobaleno), ("carota", carota), ("pinguino", pinguino),
]


def rimpicciolisci(img):
    return img.convert("RGBa").resize((LATO, LATO), Image.LANCZOS).convert("RGBA")


def disegna_foglio(figure):
    """Every pupil picture on the "Chi gioca?" buttons' pink, at the size a
    class of 30 shows them on a 1024 by 768 screen (44 pixels) and at 96."""
    animazioni = sorted(f for f in os.listdir(ANIMAZIONI) if f.endswith(".gif") and "_" not in f)
    tutte = [(f[:-4], Image.open(os.path.join(ANIMAZIONI, f)).convert("RGBA")) for f in animazioni]
    tutte += figure
    colonne = 6
    cella_l, cella_a = 170, 170
    righe = (len(tutte) + colonne - 1) // colonne
    foglio = Image.new("RGB", (colonne * cella_l, righe * cella_a), (255, 192, 255))
    d = ImageDraw.Draw(foglio)
    try:
        font = ImageFont.truetype("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 13)
    except OSError:
        font = ImageFont.load_default()
    for i, (nome, im) in enumerate(tutte):
        x, y = (i % colonne) * cella_l, (i // colonne) * cella_a
        d.rounded_rectangle([x + 4, y + 4, x + cella_l - 4, y + cella_a - 4], radius=10, fill=(255, 225, 255),
                            outline=(128, 0, 128), width=2)
        grande = im.resize((96, 96), Image.LANCZOS)
        foglio.paste(grande, (x + 10, y + 12), grande)
        piccola = im.resize((44, 44), Image.LANCZOS)
        foglio.paste(piccola, (x + 114, y + 40), piccola)
        d.text((x + 12, y + 130), nome, fill=(0, 0, 0), font=font)
    foglio.save(FOGLIO)


def main(argv):
    os.makedirs(USCITA, exist_ok=True)
    fatte = []
    for nome, disegna in FIGURE:
        img = rimpicciolisci(disegna())
        img.save(os.path.join(USCITA, nome + ".png"), optimize=True)
        fatte.append((nome, img))
    disegna_foglio(fatte)


if __name__ == "__main__":
    main(sys.argv)
