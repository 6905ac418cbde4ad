#!/usr/bin/env python3
"""Writes a 16-colour picture as a Windows bitmap compressed with BI_RLE4.

    bmp_rle4.py IN.ppm OUT.bmp

IN is a binary PPM (P6) with at most 16 colours, as ImageMagick writes it. Each row is encoded as
short as the format allows (runs of one or two alternating colours, and absolute runs).
"""
import struct
import sys


def read_ppm(path):
    data = open(path, "rb").read()
    fields, at = [], 0
    while len(fields) < 4:
        while data[at:at + 1].isspace():
            at += 1
        if data[at:at + 1] == b"#":
            at = data.index(b"\n", at)
            continue
        end = at
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[at:end])
        at = end
    at += 1
    assert fields[0] == b"P6" and fields[3] == b"255", "a binary PPM with 8-bit samples"
    width, height = int(fields[1]), int(fields[2])
    pixels = data[at:at + 3 * width * height]
    rows = [[pixels[3 * (y * width + x):3 * (y * width + x) + 3] for x in range(width)]
            for y in range(height)]
    return width, height, rows


def encode_row(row):
    """The shortest encoding of one row: a choice, at each pixel, between an encoded run (one
    colour, or two alternating, 1 to 255 pixels, 2 bytes) and an absolute run (3 to 255 pixels,
    2 bytes and the pixels two to a byte, padded to a whole word)."""
    n = len(row)
    # How far an alternating run starting at x reaches.
    reach = [0] * n
    for x in range(n):
        a, b = row[x], row[x + 1] if x + 1 < n else row[x]
        length = 1
        while x + length < n and length < 255 and row[x + length] == (a if length % 2 == 0 else b):
            length += 1
        reach[x] = length
    cost = [0] + [None] * n
    choice = [None] * (n + 1)
    for x in range(n):
        if cost[x] is None:
            continue
        for length in range(1, reach[x] + 1):
            if cost[x + length] is None or cost[x] + 2 < cost[x + length]:
                cost[x + length] = cost[x] + 2
                choice[x + length] = ("run", x)
        for length in range(3, min(255, n - x) + 1):
            packed = (length + 1) // 2
            size = 2 + packed + (packed % 2)
            if cost[x + length] is None or cost[x] + size < cost[x + length]:
                cost[x + length] = cost[x] + size
                choice[x + length] = ("absolute", x)
    pieces, end = [], n
    while end > 0:
        kind, start = choice[end]
        pieces.append((kind, start, end))
        end = start
    out = bytearray()
    for kind, start, end in reversed(pieces):
        length = end - start
        if kind == "run":
            a = row[start]
            b = row[start + 1] if length > 1 else a
            out += bytes([length, (a << 4) | b])
        else:
            nibbles = row[start:end] + ([0] if length % 2 else [])
            packed = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, len(nibbles), 2))
            out += bytes([0, length]) + packed + (b"\0" if len(packed) % 2 else b"")
    return out + b"\0\0"


def main():
    width, height, rows = read_ppm(sys.argv[1])
    palette = sorted({pixel for row in rows for pixel in row})
    assert len(palette) <= 16, "at most 16 colours"
    index = {colour: i for i, colour in enumerate(palette)}
    image = bytearray()
    for row in reversed(rows):  # bottom-up
        image += encode_row([index[pixel] for pixel in row])
    image[-2:] = b"\0\1"  # the last row ends the bitmap
    colours = b"".join(bytes([c[2], c[1], c[0], 0]) for c in palette)
    offset = 14 + 40 + len(colours)
    header = struct.pack("<2sIHHI", b"BM", offset + len(image), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 2, len(image), 2835, 2835,
                       len(palette), len(palette))
    open(sys.argv[2], "wb").write(header + info + colours + image)


main()
