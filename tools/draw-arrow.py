#!/usr/bin/env python3
"""Draws form/images/arrow.png: the 16 x 16 drop-down arrow of the combo boxes.

A solid dark-blue triangle pointing down, rows 6 to 9, centred on column 8;
every other pixel is white with alpha 0.
"""
import struct
import sys
import zlib

SIZE = 16
BLUE = (3, 53, 134, 255)
CLEAR = (255, 255, 255, 0)
TRIANGLE = {6: range(5, 12), 7: range(6, 11), 8: range(7, 10), 9: range(8, 9)}


def chunk(kind, payload):
    body = kind + payload
    return struct.pack(">I", len(payload)) + body + struct.pack(">I", zlib.crc32(body))


def pixels():
    rows = b""
    for y in range(SIZE):
        rows += b"\x00"  # filter type None
        for x in range(SIZE):
            rows += bytes(BLUE if x in TRIANGLE.get(y, ()) else CLEAR)
    return rows


def png():
    ihdr = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    phys = struct.pack(">IIB", 2835, 2835, 1)  # 72 dpi
    # sRGB primaries and D65 white point, in units of 1/100000
    chrm = struct.pack(">8I", 31270, 32900, 64000, 33000, 30000, 60000, 15000, 6000)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"pHYs", phys)
            + chunk(b"cHRM", chrm) + chunk(b"IDAT", zlib.compress(pixels(), 9))
            + chunk(b"IEND", b""))


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else "form/images/arrow.png"
    with open(out, "wb") as f:
        f.write(png())
