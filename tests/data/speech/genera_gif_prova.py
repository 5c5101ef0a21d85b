#!/usr/bin/env python3
"""Writes the small GIF files the animation-cell tests use.

prova.gif: 8x8, three frames (white, black, white) of 20 ms each, no loop
extension, so a viewer plays it once: the cell must loop it itself.
rotta.gif: a GIF header followed by garbage.
"""
import struct


def lzw_codes(pixels):
    # Clear before every pixel keeps the code size at 3 bits: simple and
    # valid for any decoder.
    codes = []
    for p in pixels:
        codes += [4, p]
    codes.append(5)
    bits = 0
    nbits = 0
    out = bytearray()
    for c in codes:
        bits |= c << nbits
        nbits += 3
        while nbits >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8
    if nbits:
        out.append(bits & 0xFF)
    return bytes(out)


def frame(w, h, colour):
    gce = b"\x21\xF9\x04\x00" + struct.pack("<H", 2) + b"\x00\x00"
    desc = b"\x2C" + struct.pack("<HHHH", 0, 0, w, h) + b"\x00"
    data = lzw_codes([colour] * (w * h))
    blocks = bytearray()
    for i in range(0, len(data), 255):
        chunk = data[i:i + 255]
        blocks += bytes([len(chunk)]) + chunk
    return gce + desc + b"\x02" + bytes(blocks) + b"\x00"


def gif(w, h, colours):
    head = b"GIF89a" + struct.pack("<HH", w, h) + b"\x80\x00\x00"
    palette = b"\xFF\xFF\xFF\x00\x00\x00"
    return head + palette + b"".join(frame(w, h, c) for c in colours) + b"\x3B"


if __name__ == "__main__":
    with open("prova.gif", "wb") as f:
        f.write(gif(8, 8, [0, 1, 0]))
    with open("rotta.gif", "wb") as f:
        f.write(b"GIF89a" + b"\x08\x00\x08\x00" + b"not a picture at all" * 4)
