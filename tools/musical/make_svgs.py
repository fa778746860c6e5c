#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the SVG sources of the music-symbol pictures (assets/Musical/).

Every picture is 500 px high and carries a five-line staff across its full
width (lines 4 px thick at y 170, 210, 250, 290, 330; one staff space = 40 px),
so that pictures drawn side by side join into one staff.  Black on
transparent; the game tints the pictures itself.

Curved pen strokes (clefs, flags, rests, the digits of the time signatures)
are described by a centre line through a few points and a width at each
point; the outline is computed here (Catmull-Rom spline, offset by half the
width on both sides).  Usage: make_svgs.py <output folder>
"""
import math
import os
import sys

H = 500
SP = 40.0                      # staff space
LINES = [170, 210, 250, 290, 330]
MID = 250                      # middle line (b' in the treble clef)
LW = 4                         # staff line thickness
STEM = 4.5                     # stem thickness
THIN_BAR = 6.0
THICK_BAR = 20.0

def f(v):
    s = "%.2f" % v
    s = s.rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s

# ------------------------------------------------------------------ geometry

def catmull(pts, n):
    """Centripetal-free uniform Catmull-Rom through pts, n samples per span."""
    p = [pts[0]] + list(pts) + [pts[-1]]
    out = []
    for i in range(1, len(p) - 2):
        p0, p1, p2, p3 = p[i - 1], p[i], p[i + 1], p[i + 2]
        for k in range(n):
            t = k / n
            t2, t3 = t * t, t * t * t
            out.append(tuple(0.5 * ((2 * p1[j]) + (-p0[j] + p2[j]) * t +
                                    (2 * p0[j] - 5 * p1[j] + 4 * p2[j] - p3[j]) * t2 +
                                    (-p0[j] + 3 * p1[j] - 3 * p2[j] + p3[j]) * t3)
                             for j in range(len(p1))))
    out.append(tuple(pts[-1]))
    return out

def stroke(pts, caps=True, n=24):
    """pts: (x, y, width) in px. Returns SVG path data of the filled stroke."""
    s = catmull(pts, n)
    left, right = [], []
    for i, (x, y, w) in enumerate(s):
        a = s[max(i - 1, 0)]
        b = s[min(i + 1, len(s) - 1)]
        dx, dy = b[0] - a[0], b[1] - a[1]
        l = math.hypot(dx, dy) or 1.0
        nx, ny = -dy / l, dx / l
        h = max(w, 0.3) / 2
        left.append((x + nx * h, y + ny * h))
        right.append((x - nx * h, y - ny * h))
    poly = left + right[::-1]
    d = "M" + " L".join("%s,%s" % (f(x), f(y)) for x, y in poly) + " Z"
    if caps:
        for (x, y, w) in (s[0], s[-1]):
            d += "\n" + circle_d(x, y, w / 2)
    return d

def circle_d(cx, cy, r):
    return ("M%s,%s a%s,%s 0 1,0 %s,0 a%s,%s 0 1,0 %s,0 Z"
            % (f(cx - r), f(cy), f(r), f(r), f(2 * r), f(r), f(r), f(-2 * r)))

def ellipse_d(cx, cy, rx, ry, deg, sweep=1):
    """Ellipse as a path; deg rotates it (negative = rising to the right)."""
    a = math.radians(deg)
    ex, ey = rx * math.cos(a), rx * math.sin(a)
    return ("M%s,%s A%s,%s %s 1,%d %s,%s A%s,%s %s 1,%d %s,%s Z"
            % (f(cx - ex), f(cy - ey), f(rx), f(ry), f(deg), sweep, f(cx + ex), f(cy + ey),
               f(rx), f(ry), f(deg), sweep, f(cx - ex), f(cy - ey)))

def rect_d(x, y, w, h):
    return "M%s,%s h%s v%s h%s Z" % (f(x), f(y), f(w), f(h), f(-w))

def poly_d(pts):
    return "M" + " L".join("%s,%s" % (f(x), f(y)) for x, y in pts) + " Z"

def sp(ox, oy, pts):
    """Staff-space coordinates (x right, y up, width) -> px around origin."""
    return [(ox + x * SP, oy - y * SP, w * SP) for x, y, w in pts]

# ------------------------------------------------------------------ pieces

HEAD_RX, HEAD_RY, HEAD_TILT = 23.5, 19.0, -20.0

def head_extent():
    a = math.radians(HEAD_TILT)
    return math.hypot(HEAD_RX * math.cos(a), HEAD_RY * math.sin(a))

def black_head(cx, cy=MID):
    return ellipse_d(cx, cy, HEAD_RX, HEAD_RY, HEAD_TILT)

def half_head(cx, cy=MID):
    # outer oval with a narrow hole tilted more steeply (thin at the ends of
    # the long axis, full at the sides), drawn with the even-odd rule
    return ("E:" + ellipse_d(cx, cy, HEAD_RX, HEAD_RY, HEAD_TILT) + " " +
            ellipse_d(cx, cy, 19.5, 9.0, -36.0, sweep=0))

def whole_head(cx, cy=MID):
    return ("E:" + ellipse_d(cx, cy, 33.0, 20.0, 0) + " " +
            ellipse_d(cx, cy, 17.0, 11.0, 55.0, sweep=0))

def stem_up(cx, top=MID - 3.5 * SP):
    """Stem on the right of a head at cx; returns (path, x of the stem centre)."""
    xr = cx + head_extent() - 0.4
    return rect_d(xr - STEM, top, STEM, MID - 5 - top), xr - STEM / 2

def stem_down(cx, bottom=MID + 3.5 * SP):
    xl = cx - head_extent() + 0.4
    return rect_d(xl, MID + 5, STEM, bottom - MID - 5), xl + STEM / 2

def flag(xs, ytop, second=False):
    """Eighth flag hanging from a stem top at (xs, ytop), bending right."""
    ox = xs - STEM / 2
    pts = [(0.11, 0.0, 0.22), (0.2, -0.45, 0.32), (0.55, -0.95, 0.30),
           (0.95, -1.55, 0.22), (1.05, -2.25, 0.13), (0.85, -2.9, 0.07)]
    if second:
        pts = [(0.11, 0.0, 0.2), (0.26, -0.36, 0.24), (0.66, -0.8, 0.2),
               (0.95, -1.3, 0.12), (0.94, -1.8, 0.05)]
    return stroke(sp(ox, ytop, pts), caps=False)

def dot(cx, cy, r=6.5):
    return circle_d(cx, cy, r)

def bar(x, w, top=LINES[0] - LW / 2, bottom=LINES[-1] + LW / 2):
    return rect_d(x, top, w, bottom - top)

# ------------------------------------------------------------------ symbols

def treble(ox):
    # origin: left edge of the clef, on the g' line (second line from below)
    y0 = LINES[3]
    body = [  # the spiral round the g line, then the rising hairline
        (1.62, -0.08, 0.12), (1.58, 0.42, 0.15), (1.15, 0.82, 0.19),
        (0.52, 0.70, 0.28), (0.10, 0.12, 0.36), (0.28, -0.62, 0.30),
        (1.05, -1.02, 0.17), (1.95, -0.80, 0.12), (2.48, -0.08, 0.13),
        (2.32, 0.72, 0.21), (1.80, 1.36, 0.31), (1.22, 2.02, 0.32),
        (0.90, 2.80, 0.24), (1.02, 3.62, 0.15), (1.42, 4.28, 0.09),
        (1.82, 4.30, 0.09), (1.98, 3.78, 0.12), (1.88, 3.00, 0.13),
    ]
    descender = [
        (1.88, 3.00, 0.13), (1.70, 1.80, 0.14), (1.52, 0.30, 0.14),
        (1.44, -1.10, 0.13), (1.36, -1.85, 0.12), (1.05, -2.28, 0.11),
        (0.62, -2.22, 0.10),
    ]
    d = stroke(sp(ox, y0, body), n=28) + "\n" + stroke(sp(ox, y0, descender), n=28)
    d += "\n" + circle_d(ox + 0.66 * SP, y0 + 1.98 * SP, 0.31 * SP)
    return d

def bass(ox):
    y0 = LINES[1]                                   # the f line
    curve = [
        (0.30, 0.22, 0.10), (0.62, 0.80, 0.10), (1.25, 1.00, 0.12),
        (1.85, 0.66, 0.24), (2.05, -0.05, 0.38), (1.86, -0.95, 0.32),
        (1.35, -1.75, 0.20), (0.70, -2.30, 0.10), (0.06, -2.62, 0.03),
    ]
    d = stroke(sp(ox, y0, curve), caps=False, n=28)
    d += "\n" + circle_d(ox + 0.36 * SP, y0 + 0.02 * SP, 0.33 * SP)
    d += "\n" + dot(ox + 2.55 * SP, LINES[1] - SP / 2, 6.5)
    d += "\n" + dot(ox + 2.55 * SP, LINES[1] + SP / 2, 6.5)
    return d

def alto(ox):
    top, bottom = LINES[0] - LW / 2 - 2, LINES[-1] + LW / 2 + 2
    d = rect_d(ox, top, 0.46 * SP, bottom - top)
    d += "\n" + rect_d(ox + 0.64 * SP, top, 0.13 * SP, bottom - top)
    for sgn in (1, -1):
        pts = [(0.78, 0.0, 0.08), (1.05, 0.35 * sgn, 0.13), (1.42, 0.52 * sgn, 0.14),
               (2.05, 0.62 * sgn, 0.26), (2.45, 1.12 * sgn, 0.36), (2.22, 1.70 * sgn, 0.22),
               (1.70, 1.98 * sgn, 0.10), (1.28, 1.76 * sgn, 0.08)]
        d += "\n" + stroke(sp(ox, MID, pts), caps=False)
        d += "\n" + circle_d(ox + 1.38 * SP, MID - 1.58 * sgn * SP, 0.27 * SP)
    return d

def quarter_note(cx, stem="up"):
    d = black_head(cx)
    s, xs = (stem_up if stem == "up" else stem_down)(cx)
    return d + "\n" + s, xs

def sharp(ox, cy=MID):
    d = ""
    for x, y1, y2 in ((0.22, -1.15, 1.38), (0.78, -1.38, 1.15)):
        d += rect_d(ox + x * SP - 2.3, cy - y2 * SP, 4.6, (y2 - y1) * SP) + "\n"
    for yc in (0.5, -0.5):
        y = cy - yc * SP
        d += poly_d([(ox, y - 0.08 * SP + 0.2 * SP), (ox + SP, y - 0.08 * SP - 0.2 * SP),
                     (ox + SP, y + 0.1 * SP - 0.2 * SP), (ox, y + 0.1 * SP + 0.2 * SP)]) + "\n"
    # the bars rise by 0.4 sp over the width and are 0.18 sp at the thinnest
    return d

def flat(ox, cy=MID):
    d = rect_d(ox, cy - 1.75 * SP, 4.6, 2.3 * SP)
    bowl = [(0.1, -0.05, 0.06), (0.45, 0.32, 0.12), (0.85, 0.33, 0.2),
            (0.88, -0.02, 0.24), (0.45, -0.36, 0.14), (0.06, -0.52, 0.05)]
    d += "\n" + stroke(sp(ox, cy, bowl), caps=False)
    return d

def natural(ox, cy=MID):
    d = rect_d(ox, cy - 1.35 * SP, 4.6, 2.0 * SP)
    d += "\n" + rect_d(ox + 0.68 * SP - 4.6, cy - 0.65 * SP, 4.6, 2.0 * SP)
    for yc in (0.5, -0.5):
        y = cy - yc * SP
        d += "\n" + poly_d([(ox, y - 0.02 * SP + 0.14 * SP), (ox + 0.68 * SP, y - 0.02 * SP - 0.14 * SP),
                           (ox + 0.68 * SP, y + 0.19 * SP - 0.14 * SP), (ox, y + 0.19 * SP + 0.14 * SP)])
    return d

def digit4(ox, oy):
    """A bold 4 of 2 staff spaces between oy (top) and oy + 80."""
    u = SP
    stem_l, stem_r = ox + 0.98 * u, ox + 1.5 * u
    d = poly_d([(stem_l, oy + 0.02 * u), (stem_r, oy), (stem_r, oy + 2.0 * u), (stem_l, oy + 2.0 * u)])
    d += "\n" + poly_d([(stem_l - 0.02 * u, oy + 0.02 * u), (stem_l + 0.26 * u, oy + 0.02 * u),
                       (ox + 0.22 * u, oy + 1.30 * u), (ox + 0.02 * u, oy + 1.30 * u)])
    d += "\n" + rect_d(ox + 0.02 * u, oy + 1.22 * u, 1.86 * u, 0.2 * u)
    d += "\n" + rect_d(stem_l - 0.2 * u, oy + 1.86 * u, 0.92 * u, 0.14 * u)
    return d

def digit3(ox, oy):
    oyb = oy + 2 * SP                      # baseline; coordinates rise upwards
    upper = [(0.22, 1.62, 0.12), (0.58, 1.96, 0.14), (1.05, 1.96, 0.18),
             (1.38, 1.62, 0.3), (1.22, 1.20, 0.2), (0.72, 1.04, 0.1)]
    lower = [(0.72, 1.04, 0.1), (1.28, 0.88, 0.22), (1.52, 0.48, 0.32),
             (1.26, 0.06, 0.2), (0.70, -0.0, 0.14), (0.25, 0.26, 0.12)]
    d = stroke(sp(ox, oyb, upper), caps=False) + "\n" + stroke(sp(ox, oyb, lower), caps=False)
    d += "\n" + circle_d(ox + 0.3 * SP, oyb - 1.55 * SP, 0.22 * SP)
    d += "\n" + circle_d(ox + 0.32 * SP, oyb - 0.36 * SP, 0.24 * SP)
    d += "\n" + rect_d(ox + 0.6 * SP, oyb - 1.12 * SP, 0.2 * SP, 0.12 * SP)
    return d

def common_c(ox):
    pts = [(1.34, 0.62, 0.07), (1.02, 0.94, 0.1), (0.55, 0.9, 0.18),
           (0.12, 0.35, 0.34), (0.10, -0.35, 0.34), (0.52, -0.9, 0.18),
           (1.05, -0.98, 0.1), (1.45, -0.62, 0.06)]
    d = stroke(sp(ox, MID, pts), caps=False)
    d += "\n" + circle_d(ox + 1.12 * SP, MID - 0.52 * SP, 0.25 * SP)
    d += "\n" + poly_d([(ox + 1.05 * SP, MID - 0.6 * SP), (ox + 1.4 * SP, MID - 0.6 * SP),
                       (ox + 1.38 * SP, MID - 0.92 * SP), (ox + 1.14 * SP, MID - 0.92 * SP)])
    return d

def quarter_rest(ox):
    # a z (thick strokes falling to the right, a thin one between) over a c
    u = lambda x, y: (ox + x * SP, MID - y * SP)
    upper = poly_d([u(0.26, 1.52), u(0.36, 1.50), u(0.94, 0.80), u(0.90, 0.70),
                    u(0.70, 0.56), u(0.16, 1.22), u(0.16, 1.36)])
    link = poly_d([u(0.90, 0.72), u(0.42, 0.16), u(0.30, 0.20), u(0.70, 0.58)])
    lower = poly_d([u(0.28, 0.22), u(0.36, 0.20), u(0.92, -0.50), u(0.90, -0.58),
                    u(0.68, -0.72), u(0.18, -0.06), u(0.18, 0.10)])
    hook = [(0.90, -0.56, 0.05), (0.50, -0.50, 0.12), (0.26, -0.74, 0.2),
            (0.36, -1.10, 0.22), (0.68, -1.40, 0.07)]
    return "\n".join([upper, link, lower, stroke(sp(ox, MID, hook), caps=False, n=20)])

def rest_flag(ox, cy, tail_to=None):
    """Blob with its curved arm; cy = centre of the blob."""
    d = circle_d(ox + 0.25 * SP, cy, 0.26 * SP)
    arm = [(0.1, -0.12, 0.08), (0.45, -0.3, 0.12), (0.82, -0.18, 0.09), (1.06, 0.12, 0.07)]
    d += "\n" + stroke(sp(ox, cy, arm), caps=False)
    return d

def eighth_rest(ox):
    d = rest_flag(ox, MID - 0.5 * SP)
    d += "\n" + stroke([(ox + 1.06 * SP, MID - 0.68 * SP, 3.0), (ox + 0.55 * SP, MID + 1.0 * SP, 4.6)], caps=False)
    return d

def sixteenth_rest(ox):
    d = rest_flag(ox + 0.28 * SP, MID - 0.5 * SP)
    d += "\n" + rest_flag(ox, MID + 0.5 * SP)
    d += "\n" + stroke([(ox + 1.34 * SP, MID - 0.68 * SP, 3.0), (ox + 0.55 * SP, MID + 2.0 * SP, 4.6)], caps=False)
    return d

def fermata(cx, base):
    """Fermata arc over a point: base = y of the bottom of the dot area."""
    arc = [(-1.1, 0.0, 0.05), (-0.95, 0.58, 0.14), (-0.55, 1.02, 0.24), (0.0, 1.17, 0.3),
           (0.55, 1.02, 0.24), (0.95, 0.58, 0.14), (1.1, 0.0, 0.05)]
    return stroke(sp(cx, base, arc), caps=False) + "\n" + circle_d(cx, base - 0.25 * SP, 0.2 * SP)

def accent(cx, y):
    w, h, t = 0.75 * SP, 0.32 * SP, 3.6
    return poly_d([(cx - w, y - h - t), (cx + w, y - t * 0.35), (cx + w, y + t * 0.35),
                   (cx - w, y + h + t), (cx - w, y + h - t * 0.6), (cx + w - 9, y),
                   (cx - w, y - h + t * 0.6)])

# ------------------------------------------------------------------ pictures

def pictures():
    P = {}
    top = MID - 3.5 * SP
    P["G"] = (180, treble(32))
    P["F"] = (170, bass(26))
    P["C"] = (160, alto(30))

    hx = 46
    d, xs = quarter_note(hx)
    P["4"] = (110, d)
    P["2"] = (110, half_head(hx) + "\n" + stem_up(hx)[0])
    P["1"] = (110, whole_head(52))
    d, xs = quarter_note(hx)
    P["8"] = (130, d + "\n" + flag(xs, top))
    top16 = top - 0.5 * SP
    d = black_head(hx) + "\n" + stem_up(hx, top16)[0]
    P["6"] = (130, d + "\n" + flag(xs, top16, second=True) + "\n" + flag(xs, top16 + 0.85 * SP, second=True))
    d, xs = quarter_note(hx)
    P["3"] = (125, d + "\n" + dot(hx + 46, MID - SP / 2))
    d, xs = quarter_note(hx)
    P["Q"] = (150, d + "\n" + dot(hx + 46, MID - SP / 2) + "\n" + dot(hx + 72, MID - SP / 2))

    P["w"] = (100, rect_d(50 - 23, LINES[1], 46, 20))
    P["h"] = (100, rect_d(50 - 23, MID - 20, 46, 20))
    P["v"] = (90, quarter_rest(26))
    P["a"] = (90, eighth_rest(26))
    P["s"] = (100, sixteenth_rest(24))

    P["#"] = (70, sharp(16))
    P["b"] = (60, flat(18))
    P["n"] = (60, natural(20))

    P["|"] = (40, bar(20 - THIN_BAR / 2, THIN_BAR))
    P["]"] = (60, bar(16, THIN_BAR) + "\n" + bar(60 - THICK_BAR, THICK_BAR))
    P[":"] = (90, dot(22, MID - SP / 2, 8) + "\n" + dot(22, MID + SP / 2, 8) + "\n"
              + bar(38, THIN_BAR) + "\n" + bar(60, THICK_BAR))

    P["T"] = (90, digit4(16, LINES[0]) + "\n" + digit4(16, MID))
    P["D"] = (90, digit3(18, LINES[0]) + "\n" + digit4(16, MID))
    P["c"] = (90, common_c(24))

    d, xs = quarter_note(60)
    P["f"] = (120, d + "\n" + fermata(60, top - 0.45 * SP))
    d, xs = quarter_note(60, "down")
    P[">"] = (120, d + "\n" + accent(60, LINES[0] - 0.75 * SP))
    d, xs = quarter_note(60, "down")
    P["."] = (120, d + "\n" + dot(60, LINES[0] + SP / 2, 6.5))

    # tie: two half notes, the tie on the notehead side (below, stems up)
    h1, h2 = 46, 146
    e = head_extent()
    tie = [(h1 + e - 6, MID + 20, 1.2), (h1 + 30, MID + 31, 5.5), ((h1 + h2) / 2, MID + 33, 8.0),
           (h2 - 30, MID + 31, 5.5), (h2 - e + 6, MID + 20, 1.2)]
    P["="] = (200, "\n".join([half_head(h1), stem_up(h1)[0], half_head(h2), stem_up(h2)[0],
                             stroke(tie, caps=False)]))
    return P

NAMES = {
    "G": "Violinschlüssel", "F": "Bassschlüssel", "C": "Bratschenschlüssel",
    "1": "ganze Note", "2": "halbe Note", "4": "Viertelnote", "8": "Achtelnote",
    "6": "Sechzehntelnote", "3": "punktierte Viertelnote", "Q": "doppelt punktierte Viertelnote", "w": "ganze Pause",
    "h": "halbe Pause", "v": "Viertelpause", "a": "Achtelpause", "s": "Sechzehntelpause",
    "#": "Kreuz", "b": "B", "n": "Auflösungszeichen", "|": "einfacher Taktstrich",
    "]": "Schlussstrich", ":": "Wiederholungszeichen", "f": "Fermate", "T": "Taktart 4/4",
    "D": "Taktart 3/4", "c": "Taktart C", "=": "Haltebogen", ">": "Akzent", ".": "Staccato",
}

def svg(width, d, title):
    staff = "\n".join('  <rect x="0" y="%d" width="%d" height="%d"/>' % (y - LW // 2, width, LW)
                      for y in LINES)
    staff = staff.replace("  <rect", "    <rect")
    paths = []
    for piece in d.split("\n"):
        if piece.startswith("E:"):
            paths.append('    <path fill-rule="evenodd" d="%s"/>' % piece[2:])
        elif piece:
            paths.append('    <path d="%s"/>' % piece)
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n'
            '  <title>%s</title>\n'
            '  <g fill="#000">\n%s\n%s\n  </g>\n</svg>\n'
            % (width, H, width, H, title, staff, "\n".join(paths)))

def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for ch, (w, d) in pictures().items():
        with open(os.path.join(out, "Musical%d.svg" % ord(ch)), "w", encoding="utf-8") as fh:
            fh.write(svg(w, d, NAMES[ch]))

if __name__ == "__main__":
    main()
