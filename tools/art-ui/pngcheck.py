#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the toolbar strip: size, colour type and which cells are blank.

A toolbar cell counts as blank when every pixel equals its top-left pixel.
Cells 2, 6 and 10..15 must be blank, all others must not be, and the
unused columns right of the last cell must hold the background colour.
Standard library only (zlib + struct), so it runs wherever render.sh runs.
"""
import struct
import sys
import zlib


def read_png(path):
    """Returns (width, height, channels, rows) with rows as lists of pixel tuples."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(f"{path}: not a PNG")
    pos, idat, ihdr = 8, b"", None
    while pos < len(data):
        (length,) = struct.unpack(">I", data[pos:pos + 4])
        kind = data[pos + 4:pos + 8]
        body = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            ihdr = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        elif kind == b"IEND":
            break
    width, height, depth, ctype, _, _, interlace = ihdr
    if depth != 8 or interlace != 0:
        raise ValueError(f"{path}: only 8-bit non-interlaced PNGs are checked")
    channels = {0: 1, 2: 3, 4: 2, 6: 4}[ctype]
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, prev, i = [], bytearray(stride), 0
    for _ in range(height):
        ftype = raw[i]
        line = bytearray(raw[i + 1:i + 1 + stride])
        i += 1 + stride
        for x in range(stride):
            a = line[x - channels] if x >= channels else 0
            b = prev[x]
            c = prev[x - channels] if x >= channels else 0
            if ftype == 1:
                line[x] = (line[x] + a) & 255
            elif ftype == 2:
                line[x] = (line[x] + b) & 255
            elif ftype == 3:
                line[x] = (line[x] + (a + b) // 2) & 255
            elif ftype == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                pred = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
                line[x] = (line[x] + pred) & 255
        rows.append([tuple(line[x:x + channels]) for x in range(0, stride, channels)])
        prev = line
    return width, height, channels, rows


def check_toolbar(path, scale=1):
    width, height, channels, rows = read_png(path)
    cell = 48 * scale
    problems = []
    if (width, height) != (772 * scale, 48 * scale):
        problems.append(f"size {width}x{height}")
    if channels != 4:
        problems.append(f"{channels} channels, RGBA expected")
    blank_expected = {2, 6} | set(range(10, 16))
    for k in range(width // height):
        first = rows[0][k * cell]
        blank = all(rows[y][x] == first
                    for y in range(cell) for x in range(k * cell, (k + 1) * cell))
        state = "blank" if blank else "icon"
        print(f"  cell {k:2d}: {state}  top-left {first}")
        if blank != (k in blank_expected):
            problems.append(f"cell {k} is {state}")
    if width >= 10 * cell:
        marks = [(x - 9 * cell, y) for y in range(cell) for x in range(9 * cell, 10 * cell)
                 if rows[y][x][3] != 0]
        if not marks or any(x >= scale for x, _ in marks):
            problems.append(f"cell 9 should hold only faint marks at its left edge, has {marks[:6]}")
    rest = {rows[y][x] for y in range(height) for x in range(16 * cell, width)}
    if rest != {(0, 0, 0, 0)}:
        problems.append(f"unused columns hold {sorted(rest)[:4]}")
    return problems


if __name__ == "__main__":
    bad = []
    for arg in sys.argv[1:]:
        if "@2x" in arg:
            print(arg)
            bad += [f"{arg}: {p}" for p in check_toolbar(arg, 2)]
        elif arg.endswith("NewToolbar.png"):
            print(arg)
            bad += [f"{arg}: {p}" for p in check_toolbar(arg)]
    for p in bad:
        print("FAIL", p)
    sys.exit(1 if bad else 0)
