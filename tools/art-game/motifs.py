# SPDX-License-Identifier: GPL-3.0-or-later
"""Shared drawing pieces (SVG snippets) for the Parlavinto artwork."""

WINE_DARK = "#3a0814"
WINE = "#6e1126"
WINE_LIGHT = "#9b1f36"
GOLD = "#d9ae52"
GOLD_LIGHT = "#f6dd93"
GOLD_DARK = "#9a7228"
CREAM = "#fff9ec"
CREAM_DARK = "#f1e2c2"

FONT_COMIC = "'Comic Neue', sans-serif"
FONT_SERIF = "'DejaVu Serif', serif"


def gold_gradient(gid, x1="0", y1="0", x2="0", y2="1"):
    return (f'<linearGradient id="{gid}" x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}">'
            f'<stop offset="0" stop-color="{GOLD_LIGHT}"/>'
            f'<stop offset="0.45" stop-color="{GOLD}"/>'
            f'<stop offset="0.55" stop-color="#c39238"/>'
            f'<stop offset="1" stop-color="{GOLD_LIGHT}"/></linearGradient>')


def soft_shadow(fid, blur=6, dy=4, opacity=0.45):
    return (f'<filter id="{fid}" x="-20%" y="-20%" width="140%" height="140%">'
            f'<feGaussianBlur in="SourceAlpha" stdDeviation="{blur}"/>'
            f'<feOffset dy="{dy}" result="b"/>'
            f'<feComponentTransfer><feFuncA type="linear" slope="{opacity}"/></feComponentTransfer>'
            f'<feMerge><feMergeNode/><feMergeNode in="SourceGraphic"/></feMerge></filter>')


def treble_clef(x, y, h, color, opacity=1.0, width=None):
    """A stylised G clef, top-left at (x, y), h high (drawn as strokes)."""
    s = h / 100.0
    sw = (width if width is not None else 3.6)
    return (f'<g transform="translate({x},{y}) scale({s})" fill="none" stroke="{color}" '
            f'stroke-width="{sw}" stroke-linecap="round" stroke-linejoin="round" opacity="{opacity}">'
            '<path d="M 23 63 C 15 63 13 54 20 50 C 30 45 39 55 35 65 C 31 76 12 78 6 67 '
            'C 0 55 9 41 22 32 C 33 24 38 13 33 6 C 29 0 20 5 20 16 L 24 86 '
            'C 25 96 14 98 12 91"/>'
            f'<circle cx="14.5" cy="89" r="4" fill="{color}" stroke="none"/></g>')


def eighth_note(x, y, h, color, opacity=1.0):
    """Single quaver; (x, y) is the top of the stem, h the total height."""
    s = h / 100.0
    return (f'<g transform="translate({x},{y}) scale({s})" fill="{color}" opacity="{opacity}">'
            '<ellipse cx="-11" cy="86" rx="14" ry="10" transform="rotate(-22 -11 86)"/>'
            '<rect x="0" y="0" width="4.5" height="86"/>'
            '<path d="M 2 0 C 6 18 32 26 26 58 C 24 36 12 32 2 30 Z"/></g>')


def beamed_notes(x, y, h, color, opacity=1.0):
    """Two beamed quavers; (x, y) top-left of the beam."""
    s = h / 100.0
    return (f'<g transform="translate({x},{y}) scale({s})" fill="{color}" opacity="{opacity}">'
            '<path d="M 0 0 L 60 -10 L 60 4 L 0 14 Z"/>'
            '<rect x="0" y="4" width="4.5" height="80"/>'
            '<rect x="55.5" y="-6" width="4.5" height="80"/>'
            '<ellipse cx="-11" cy="86" rx="14" ry="10" transform="rotate(-22 -11 86)"/>'
            '<ellipse cx="44" cy="76" rx="14" ry="10" transform="rotate(-22 44 76)"/></g>')


def piano_strip(x0, y0, x1, y1, white_w=18.0):
    """A keyboard ribbon between x0..x1, y0..y1 (white keys with black keys)."""
    out = [f'<rect x="{x0}" y="{y0}" width="{x1-x0}" height="{y1-y0}" fill="url(#ivory)"/>']
    n = int((x1 - x0) / white_w) + 1
    black_h = (y1 - y0) * 0.62
    for i in range(n + 1):
        kx = x0 + i * white_w
        out.append(f'<line x1="{kx:.2f}" y1="{y0}" x2="{kx:.2f}" y2="{y1}" stroke="#8c7a5c" stroke-width="0.8"/>')
    for i in range(n):
        if i % 7 in (0, 1, 3, 4, 5):
            bx = x0 + (i + 1) * white_w - white_w * 0.3
            out.append(f'<rect x="{bx:.2f}" y="{y0}" width="{white_w*0.6:.2f}" height="{black_h:.2f}" '
                       f'rx="1" fill="url(#ebony)"/>')
    out.append(f'<rect x="{x0}" y="{y0}" width="{x1-x0}" height="1.6" fill="{GOLD}"/>')
    return "\n".join(out)


PIANO_DEFS = ('<linearGradient id="ivory" x1="0" y1="0" x2="0" y2="1">'
              '<stop offset="0" stop-color="#fffdf6"/><stop offset="1" stop-color="#e6d8bb"/></linearGradient>'
              '<linearGradient id="ebony" x1="0" y1="0" x2="0" y2="1">'
              '<stop offset="0" stop-color="#1a1214"/><stop offset="1" stop-color="#4a3a3c"/></linearGradient>')


def svg(w, h, body, defs="", vb=None, par=None):
    vb = vb or f"0 0 {w} {h}"
    p = f' preserveAspectRatio="{par}"' if par else ""
    return (f'<?xml version="1.0" encoding="UTF-8"?>\n'
            f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" viewBox="{vb}"{p}>\n'
            f'<defs>{defs}</defs>\n{body}\n</svg>\n')
