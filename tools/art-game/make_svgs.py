#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the SVG sources of all Parlavinto game pictures into a folder.

Backgrounds are drawn in the game's logical 1024 x 768 coordinates with
preserveAspectRatio="none"; render.sh renders them to 1022 x 660, which the
game stretches back to 1024 x 768.
"""
import os
import sys

from motifs import (WINE_DARK, WINE, WINE_LIGHT, GOLD, GOLD_LIGHT, GOLD_DARK, CREAM,
                    CREAM_DARK, FONT_COMIC, FONT_SERIF, gold_gradient, soft_shadow,
                    treble_clef, eighth_note, beamed_notes, piano_strip, PIANO_DEFS, svg)


# ---------------------------------------------------------------- question screen

def speaker(x, y, w, h, mirror=False):
    """Loudspeaker cabinet filling x..x+w, y..y+h (logical)."""
    cx = x + w / 2
    r_big = w * 0.34
    r_small = w * 0.15
    cy_small = y + h * 0.25
    cy_big = y + h * 0.66
    parts = [
        f'<rect x="{x+1}" y="{y+1}" width="{w-2}" height="{h-2}" rx="9" fill="url(#cabinet)" '
        f'stroke="url(#goldV)" stroke-width="2.4" filter="url(#shadowSmall)"/>',
        f'<rect x="{x+4.5}" y="{y+4.5}" width="{w-9}" height="{h-9}" rx="6" fill="none" '
        f'stroke="{GOLD_DARK}" stroke-width="0.8" opacity="0.8"/>',
    ]
    for (cy, r) in ((cy_small, r_small), (cy_big, r_big)):
        parts += [
            f'<circle cx="{cx}" cy="{cy}" r="{r+2.6}" fill="url(#goldV)"/>',
            f'<circle cx="{cx}" cy="{cy}" r="{r+0.8}" fill="#1b0b0e"/>',
            f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="url(#cone)"/>',
            f'<circle cx="{cx}" cy="{cy}" r="{r*0.72}" fill="none" stroke="#000" stroke-opacity="0.35" stroke-width="0.8"/>',
            f'<circle cx="{cx}" cy="{cy}" r="{r*0.34}" fill="url(#dustcap)"/>',
        ]
    # four screws
    for sx in (x + 8, x + w - 8):
        for sy in (y + 8, y + h - 8):
            parts.append(f'<circle cx="{sx}" cy="{sy}" r="1.8" fill="url(#goldV)" stroke="#5a3a10" stroke-width="0.4"/>')
    # sound waves beside the cabinet, towards the middle of the screen
    d = 1 if not mirror else -1
    wx = x + w + 7 if not mirror else x - 7
    for i, (rr, op) in enumerate(((9, 0.9), (16, 0.65), (23, 0.4))):
        a0y = cy_big - rr * 0.8
        a1y = cy_big + rr * 0.8
        ax = wx + d * (rr * 0.6 - 4)
        parts.append(f'<path d="M {ax:.1f} {a0y:.1f} Q {ax + d*rr*0.75:.1f} {cy_big:.1f} {ax:.1f} {a1y:.1f}" '
                     f'fill="none" stroke="{GOLD}" stroke-width="2.6" stroke-linecap="round" opacity="{op}"/>')
    return "\n".join(parts)


COMMON_DEFS = (
    gold_gradient("goldV") + gold_gradient("goldH", x2="1", y2="0") + PIANO_DEFS +
    soft_shadow("shadowSmall", blur=2.5, dy=2, opacity=0.55) +
    soft_shadow("shadowCard", blur=7, dy=5, opacity=0.55) +
    '<linearGradient id="cabinet" x1="0" y1="0" x2="1" y2="1">'
    '<stop offset="0" stop-color="#6a1a28"/><stop offset="1" stop-color="#2c070f"/></linearGradient>'
    '<radialGradient id="cone" cx="0.42" cy="0.38" r="0.7">'
    '<stop offset="0" stop-color="#5a4a4c"/><stop offset="0.6" stop-color="#2a1d20"/>'
    '<stop offset="1" stop-color="#0c0607"/></radialGradient>'
    '<radialGradient id="dustcap" cx="0.35" cy="0.3" r="0.8">'
    f'<stop offset="0" stop-color="{GOLD_LIGHT}"/><stop offset="0.6" stop-color="{GOLD}"/>'
    f'<stop offset="1" stop-color="{GOLD_DARK}"/></radialGradient>'
    '<radialGradient id="stage" cx="0.5" cy="0.36" r="0.75">'
    '<stop offset="0" stop-color="#93203a"/><stop offset="0.55" stop-color="#61101f"/>'
    '<stop offset="1" stop-color="#2a050d"/></radialGradient>'
    '<radialGradient id="spot" cx="0.5" cy="0" r="0.6">'
    '<stop offset="0" stop-color="#ffe3a8" stop-opacity="0.28"/>'
    '<stop offset="1" stop-color="#ffe3a8" stop-opacity="0"/></radialGradient>'
    '<linearGradient id="paper" x1="0" y1="0" x2="0.3" y2="1">'
    '<stop offset="0" stop-color="#fffcf4"/><stop offset="1" stop-color="#f6ebd3"/></linearGradient>'
)


def frame_border():
    return (f'<rect x="7" y="7" width="1010" height="754" rx="18" fill="none" stroke="url(#goldV)" stroke-width="2.2"/>'
            f'<rect x="12" y="12" width="1000" height="744" rx="14" fill="none" stroke="{GOLD_DARK}" stroke-width="0.8" opacity="0.7"/>')


def hintergrund():
    b = []
    b.append('<rect width="1024" height="768" fill="url(#stage)"/>')
    b.append('<rect width="1024" height="768" fill="url(#spot)"/>')
    # darker floor under the answer staircase so the bars stand out
    b.append('<rect y="455" width="1024" height="313" fill="url(#floorShade)"/>')
    # faint stave sweeping behind the staircase
    for i in range(5):
        yy = 470 + i * 9
        b.append(f'<path d="M -10 {yy+230} C 300 {yy+120} 640 {yy+40} 1040 {yy-60}" fill="none" '
                 f'stroke="{GOLD}" stroke-width="1" opacity="0.14"/>')
    b.append(frame_border())
    # question card with the picture well
    b.append('<rect x="150" y="58" width="722" height="396" rx="16" fill="url(#paper)" '
             f'stroke="url(#goldV)" stroke-width="3" filter="url(#shadowCard)"/>')
    b.append(f'<rect x="157" y="65" width="708" height="382" rx="11" fill="none" stroke="{GOLD}" '
             'stroke-width="0.9" opacity="0.55"/>')
    b.append(f'<rect x="550" y="72" width="308" height="316" rx="8" fill="#f3e7ce" stroke="{GOLD}" '
             'stroke-width="1" opacity="0.9"/>')
    # corner ornaments of the card (small gold notes)
    b.append(beamed_notes(806, 400, 38, GOLD, 0.55))
    b.append(eighth_note(780, 402, 36, GOLD, 0.45))
    # loudspeakers: the replay areas 50..110 x 70..155 and 910..970 x 70..155
    b.append(speaker(50, 70, 60, 85))
    b.append(speaker(910, 70, 60, 85, mirror=True))
    # side decorations
    b.append(treble_clef(58, 210, 150, GOLD, 0.5, width=3.2))
    b.append(eighth_note(108, 330, 60, GOLD, 0.35))
    b.append(beamed_notes(916, 230, 70, GOLD, 0.45))
    b.append(eighth_note(966, 330, 55, GOLD, 0.32))
    b.append(treble_clef(938, 590, 150, GOLD, 0.55, width=3.2))
    b.append(beamed_notes(62, 470, 48, GOLD, 0.45))
    # keyboard ribbon along the bottom edge
    b.append(piano_strip(0, 756, 1024, 768, white_w=16))
    defs = COMMON_DEFS + ('<linearGradient id="floorShade" x1="0" y1="0" x2="0" y2="1">'
                          '<stop offset="0" stop-color="#1a0308" stop-opacity="0"/>'
                          '<stop offset="1" stop-color="#1a0308" stop-opacity="0.55"/></linearGradient>')
    return svg(1024, 768, "\n".join(b), defs, par="none")


# ---------------------------------------------------------------- announcement / empty stage

def curtain(side):
    """Velvet drape on the left (side=0) or right (side=1) with a gold tie-back."""
    # inner edge as a function of the curtain
    if side == 0:
        top, tie, bottom, tie_y = 212, 96, 178, 410
    else:
        top, tie, bottom, tie_y = 58, 30, 52, 410
    def ex(t, y):
        # x of fold t (0 = screen edge, 1 = inner edge) at height y
        if y <= tie_y:
            u = y / tie_y
            e = top + (tie - top) * (u ** 1.6)
        else:
            u = (y - tie_y) / (768 - tie_y)
            e = tie + (bottom - tie) * (u ** 0.8)
        return t * e
    def X(x):
        return x if side == 0 else 1024 - x
    ys = [40 + i * 16 for i in range(int((768 - 40) / 16) + 2)]
    ys[-1] = 770
    edge = " ".join(f"L {X(ex(1, y)):.1f} {y:.1f}" for y in ys)
    shape = f"M {X(-2)} 40 {edge} L {X(-2)} 770 Z"
    out = [f'<path d="{shape}" fill="url(#velvet{side})" filter="url(#shadowCard)"/>']
    out.append(f'<clipPath id="curtClip{side}"><path d="{shape}"/></clipPath>')
    folds = []
    n = 7 if side == 0 else 3
    for k in range(n):
        t = (k + 0.5) / n
        pts = " ".join(f"L {X(ex(t, y)):.1f} {y:.1f}" for y in ys)
        folds.append(f'<path d="M {X(ex(t, 40)):.1f} 40 {pts[1:]}" fill="none" stroke="#c23a55" '
                     f'stroke-width="{7 if side == 0 else 5}" opacity="0.55"/>')
        t2 = (k + 1.0) / n - 0.02
        pts2 = " ".join(f"L {X(ex(t2, y)):.1f} {y:.1f}" for y in ys)
        folds.append(f'<path d="M {X(ex(t2, 40)):.1f} 40 {pts2[1:]}" fill="none" stroke="#1f030a" '
                     f'stroke-width="{6 if side == 0 else 4}" opacity="0.6"/>')
    out.append(f'<g clip-path="url(#curtClip{side})" filter="url(#foldBlur)">{"".join(folds)}</g>')
    out.append(f'<path d="{shape}" fill="none" stroke="{GOLD_DARK}" stroke-width="1.2" opacity="0.8"/>')
    # tie-back rope and tassel
    tx = X(tie)
    if side == 0:
        out.append(f'<path d="M {X(0)} {tie_y-14} Q {X(tie*0.6)} {tie_y+6} {X(tie+6)} {tie_y-4}" fill="none" '
                   f'stroke="url(#goldV)" stroke-width="7" stroke-linecap="round"/>')
        out.append(f'<path d="M {X(0)} {tie_y-14} Q {X(tie*0.6)} {tie_y+6} {X(tie+6)} {tie_y-4}" fill="none" '
                   f'stroke="{GOLD_DARK}" stroke-width="1.2" stroke-dasharray="3 3"/>')
        out.append(f'<circle cx="{tx+4}" cy="{tie_y}" r="7" fill="url(#goldV)" stroke="{GOLD_DARK}" stroke-width="1"/>')
        out.append(f'<path d="M {tx-2} {tie_y+5} L {tx+10} {tie_y+5} L {tx+14} {tie_y+48} L {tx-6} {tie_y+48} Z" '
                   f'fill="url(#goldH)" stroke="{GOLD_DARK}" stroke-width="0.8"/>')
        for i in range(6):
            lx = tx - 5 + i * 3.6
            out.append(f'<line x1="{lx:.1f}" y1="{tie_y+14}" x2="{lx:.1f}" y2="{tie_y+47}" stroke="{GOLD_DARK}" stroke-width="0.6" opacity="0.7"/>')
    else:
        out.append(f'<path d="M {X(0)} {tie_y-10} Q {X(tie*0.6)} {tie_y+4} {X(tie+4)} {tie_y-2}" fill="none" '
                   f'stroke="url(#goldV)" stroke-width="6" stroke-linecap="round"/>')
        out.append(f'<circle cx="{tx-3}" cy="{tie_y}" r="5.5" fill="url(#goldV)" stroke="{GOLD_DARK}" stroke-width="1"/>')
    return "\n".join(out)


def valance():
    out = []
    n = 6
    w = 1024 / n
    d = "M -2 0 L 1026 0 L 1026 34 "
    for i in range(n, 0, -1):
        x1 = i * w
        x0 = (i - 1) * w
        d += f"L {x1:.1f} 34 Q {(x0+x1)/2:.1f} 76 {x0:.1f} 34 "
    d += "L -2 34 Z"
    out.append(f'<path d="{d}" fill="url(#valance)" filter="url(#shadowCard)"/>')
    # braid along the scallops
    b = "M 0 34 "
    for i in range(n):
        x0 = i * w
        x1 = (i + 1) * w
        b += f"Q {(x0+x1)/2:.1f} 76 {x1:.1f} 34 "
    out.append(f'<path d="{b}" fill="none" stroke="url(#goldV)" stroke-width="3.2"/>')
    out.append(f'<path d="{b}" fill="none" stroke="{GOLD_DARK}" stroke-width="0.8" stroke-dasharray="2 3" opacity="0.8"/>')
    out.append(f'<rect x="0" y="0" width="1024" height="7" fill="url(#goldV)"/>')
    # small tassels at the scallop points
    for i in range(1, n):
        x = i * w
        out.append(f'<circle cx="{x:.1f}" cy="36" r="4" fill="url(#goldV)" stroke="{GOLD_DARK}" stroke-width="0.7"/>')
        out.append(f'<path d="M {x-3:.1f} 39 L {x+3:.1f} 39 L {x+5:.1f} 56 L {x-5:.1f} 56 Z" fill="url(#goldH)" '
                   f'stroke="{GOLD_DARK}" stroke-width="0.6"/>')
    return "\n".join(out)


def stage_floor():
    return ("\n".join([
        '<path d="M -2 690 Q 512 664 1026 690 L 1026 770 L -2 770 Z" fill="url(#floor)"/>',
        f'<path d="M -2 690 Q 512 664 1026 690" fill="none" stroke="url(#goldH)" stroke-width="3"/>',
        f'<path d="M -2 697 Q 512 671 1026 697" fill="none" stroke="{GOLD_DARK}" stroke-width="0.8" opacity="0.7"/>',
        piano_strip(0, 754, 1024, 768, white_w=16),
    ]))


STAGE_DEFS = COMMON_DEFS + (
    '<radialGradient id="backdrop" cx="0.42" cy="0.42" r="0.72">'
    '<stop offset="0" stop-color="#fffbf1"/><stop offset="0.55" stop-color="#f8ecd2"/>'
    '<stop offset="1" stop-color="#e2c99a"/></radialGradient>'
    '<linearGradient id="velvet0" x1="0" y1="0" x2="1" y2="0">'
    '<stop offset="0" stop-color="#4a0a18"/><stop offset="0.7" stop-color="#8a1a31"/>'
    '<stop offset="1" stop-color="#6a1024"/></linearGradient>'
    '<linearGradient id="velvet1" x1="1" y1="0" x2="0" y2="0">'
    '<stop offset="0" stop-color="#4a0a18"/><stop offset="0.7" stop-color="#8a1a31"/>'
    '<stop offset="1" stop-color="#6a1024"/></linearGradient>'
    '<linearGradient id="valance" x1="0" y1="0" x2="0" y2="1">'
    '<stop offset="0" stop-color="#5a0c1d"/><stop offset="1" stop-color="#8e1b33"/></linearGradient>'
    '<linearGradient id="floor" x1="0" y1="0" x2="0" y2="1">'
    '<stop offset="0" stop-color="#7a1429"/><stop offset="1" stop-color="#3a0712"/></linearGradient>'
    '<filter id="foldBlur" x="-10%" y="-10%" width="120%" height="120%"><feGaussianBlur stdDeviation="4"/></filter>'
)


def backdrop_staves():
    out = []
    for i in range(5):
        yy = i * 10
        out.append(f'<path d="M 150 {610+yy} C 380 {560+yy} 600 {470+yy} 980 {300+yy}" fill="none" '
                   f'stroke="{GOLD}" stroke-width="1.1" opacity="0.16"/>')
    return "\n".join(out)


def highscore_panel():
    out = [f'<rect x="684" y="66" width="232" height="574" rx="18" fill="#fffdf7" fill-opacity="0.92" '
           f'stroke="url(#goldV)" stroke-width="3" filter="url(#shadowCard)"/>',
           f'<rect x="691" y="73" width="218" height="560" rx="13" fill="none" stroke="{GOLD}" '
           'stroke-width="0.9" opacity="0.6"/>',
           f'<path d="M 712 128 L 888 128" stroke="url(#goldH)" stroke-width="2"/>',
           f'<circle cx="800" cy="128" r="3.5" fill="{GOLD}"/>']
    for p in range(1, 5):
        y = 115 + 100 * p
        out.append(f'<path d="M 722 {y} L 878 {y}" stroke="{GOLD}" stroke-width="1" '
                   'stroke-dasharray="1.5 4" stroke-linecap="round" opacity="0.8"/>')
    return "\n".join(out)


def stage_base(with_panel):
    b = ['<rect width="1024" height="768" fill="url(#backdrop)"/>',
         backdrop_staves(),
         beamed_notes(560, 640, 34, GOLD, 0.35),
         stage_floor(),
         curtain(0), curtain(1), valance()]
    if with_panel:
        b.insert(3, highscore_panel())
    return b


def highscore():
    b = stage_base(True)
    b.append(treble_clef(50, 470, 160, GOLD_LIGHT, 0.55, width=3.4))
    return svg(1024, 768, "\n".join(b), STAGE_DEFS, par="none")


def hinterleer():
    b = stage_base(False)
    title_y = 238
    # title: gold lettering with a dark wine edge and a soft shadow
    b.append(f'<g filter="url(#shadowCard)">'
             f'<text x="512" y="{title_y}" text-anchor="middle" font-family="{FONT_SERIF}" font-weight="bold" '
             f'font-style="italic" font-size="112" fill="url(#titleGold)" stroke="{WINE_DARK}" stroke-width="3.5" '
             f'paint-order="stroke" letter-spacing="1">Parlavinto</text></g>')
    b.append(f'<text x="512" y="{title_y}" text-anchor="middle" font-family="{FONT_SERIF}" font-weight="bold" '
             f'font-style="italic" font-size="112" fill="none" stroke="{GOLD_LIGHT}" stroke-width="0.8" '
             f'opacity="0.7" letter-spacing="1">Parlavinto</text>')
    # ornament line with a clef and the subtitle
    b.append(f'<path d="M 292 272 L 732 272" stroke="url(#goldH)" stroke-width="2"/>')
    b.append(f'<path d="M 322 279 L 702 279" stroke="{GOLD}" stroke-width="0.8" opacity="0.7"/>')
    b.append(f'<text x="512" y="322" text-anchor="middle" font-family="{FONT_COMIC}" font-weight="bold" '
             f'font-size="46" fill="#790000">Das Musik-Quiz</text>')
    b.append(beamed_notes(317, 296, 34, "#790000", 0.75))
    b.append(eighth_note(697, 294, 38, "#790000", 0.75))
    b.append(treble_clef(50, 470, 160, GOLD_LIGHT, 0.55, width=3.4))
    defs = STAGE_DEFS + ('<linearGradient id="titleGold" x1="0" y1="0" x2="0" y2="1">'
                         '<stop offset="0" stop-color="#fff0b8"/><stop offset="0.45" stop-color="#e6b94f"/>'
                         '<stop offset="0.6" stop-color="#b9862c"/><stop offset="1" stop-color="#f2d27a"/>'
                         '</linearGradient>')
    # the title is measured in the box of the big title text
    return svg(1024, 768, "\n".join(b), defs, par="none")


# ---------------------------------------------------------------- answer bars

BAR_COLOURS = {
    1: ("#b02a3c", "#7e1528", "#4e0a18"),
    2: ("#a82448", "#781434", "#4a0a22"),
    3: ("#b23432", "#83191f", "#520c12"),
    4: ("#9e2450", "#70143c", "#450a26"),
    5: ("#aa2e3e", "#7a172a", "#4c0b19"),
}


def pfeil(n):
    top, mid, bot = BAR_COLOURS[n]
    shape = "M 24 1.5 L 789 1.5 L 808.5 23.5 L 789 45.5 L 24 45.5 A 22 22 0 0 1 24 1.5 Z"
    b = [
        f'<path d="{shape}" fill="url(#body)"/>',
        f'<path d="M 24 3 L 788 3 L 796 12 L 24 12 A 14 14 0 0 0 10 14 A 22 22 0 0 1 24 3 Z" fill="#fff" opacity="0.16"/>',
        f'<path d="{shape}" fill="none" stroke="url(#goldV)" stroke-width="2.2" stroke-linejoin="round"/>',
        # number medallion
        f'<circle cx="47" cy="23.5" r="19.5" fill="url(#medal)" stroke="url(#goldV)" stroke-width="2.2"/>',
        f'<text x="47" y="37" text-anchor="middle" font-family="{FONT_COMIC}" font-weight="bold" '
        f'font-size="38" fill="#3a0610" opacity="0.55" transform="translate(1 1.4)">{n}</text>',
        f'<text x="47" y="37" text-anchor="middle" font-family="{FONT_COMIC}" font-weight="bold" '
        f'font-size="38" fill="url(#digitGold)" stroke="#4a0a14" stroke-width="0.8" paint-order="stroke">{n}</text>',
        # small gold arrow head between medallion and field
        f'<path d="M 75 17 L 86 23.5 L 75 30 Z" fill="url(#goldV)" opacity="0.9"/>',
        # text field frame and the white field itself (exactly 98..793 x 12..37)
        f'<rect x="96.5" y="10.5" width="698" height="28" rx="2" fill="#2a0509" fill-opacity="0.5" '
        f'stroke="url(#goldV)" stroke-width="1"/>',
        '<rect x="98" y="12" width="695" height="25" fill="#ffffff"/>',
    ]
    defs = (gold_gradient("goldV") +
            f'<linearGradient id="body" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="{top}"/>'
            f'<stop offset="0.5" stop-color="{mid}"/><stop offset="1" stop-color="{bot}"/></linearGradient>'
            f'<radialGradient id="medal" cx="0.4" cy="0.3" r="0.8"><stop offset="0" stop-color="{top}"/>'
            f'<stop offset="1" stop-color="{bot}"/></radialGradient>'
            '<linearGradient id="digitGold" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#fff6d0"/><stop offset="0.5" stop-color="#f4d276"/>'
            '<stop offset="1" stop-color="#e0a93e"/></linearGradient>')
    return svg(810, 47, "\n".join(b), defs)


# ---------------------------------------------------------------- counter

DIGIT_FONT = 46
PITCH = 50.0


def wheel_defs():
    return ('<linearGradient id="drum" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#c7b491"/><stop offset="0.3" stop-color="#fff8e6"/>'
            '<stop offset="0.55" stop-color="#fffdf5"/><stop offset="1" stop-color="#b8a27a"/></linearGradient>'
            '<linearGradient id="shade" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#1a0a06" stop-opacity="0.62"/>'
            '<stop offset="0.22" stop-color="#1a0a06" stop-opacity="0.05"/>'
            '<stop offset="0.5" stop-color="#ffffff" stop-opacity="0.08"/>'
            '<stop offset="0.78" stop-color="#1a0a06" stop-opacity="0.05"/>'
            '<stop offset="1" stop-color="#1a0a06" stop-opacity="0.66"/></linearGradient>')


def wheel(x, y, pos, blur, idx):
    """One 40 x 50 digit wheel at (x, y); pos = digit position (float, 0..10)."""
    clip = f"wc{idx}"
    digits = []
    base = int(pos // 1)
    frac = pos - base
    for k in range(-2, 3):
        d = (base + k) % 10
        cy = y + 25 + (k - frac) * PITCH
        digits.append(f'<text x="{x+20}" y="{cy + DIGIT_FONT*0.35:.2f}" text-anchor="middle" '
                      f'font-family="{FONT_COMIC}" font-weight="bold" font-size="{DIGIT_FONT}" fill="#4a0812">{d}</text>')
    filt = f' filter="url(#mb{idx})"' if blur > 0 else ""
    out = [f'<clipPath id="{clip}"><rect x="{x}" y="{y}" width="40" height="50" rx="3"/></clipPath>']
    if blur > 0:
        out.append(f'<filter id="mb{idx}" x="-5%" y="-40%" width="110%" height="180%">'
                   f'<feGaussianBlur stdDeviation="0.6 {blur}"/></filter>')
    out.append(f'<g clip-path="url(#{clip})"><rect x="{x}" y="{y}" width="40" height="50" fill="url(#drum)"/>'
               f'<g{filt}>{"".join(digits)}</g>'
               f'<rect x="{x}" y="{y}" width="40" height="50" fill="url(#shade)"/>'
               f'<rect x="{x}" y="{y}" width="40" height="1" fill="#000" opacity="0.35"/></g>')
    out.append(f'<rect x="{x+0.5}" y="{y+0.5}" width="39" height="49" rx="3" fill="none" stroke="#000" '
               'stroke-opacity="0.45" stroke-width="1"/>')
    return "\n".join(out)


def counter_frame(n):
    # each wheel turns at its own speed; the right one fastest, as in a slot machine
    speeds = (2.35, 3.7, 5.9)
    phases = (0.15, 0.55, 0.8)
    blurs = (3.5, 5.5, 8.0)
    b = []
    for k in range(3):
        pos = (phases[k] + n * speeds[k]) % 10.0
        b.append(wheel(49 * k, 2, pos, blurs[k], k))
    return svg(144, 57, "\n".join(b), wheel_defs())


def counter_digit(d):
    return svg(40, 50, wheel(0, 0, float(d), 0, 0), wheel_defs())


# ---------------------------------------------------------------- frame and strip

def black_rahmen():
    b = [
        '<rect x="0.5" y="0.5" width="155" height="68" rx="8" fill="url(#ebon)"/>',
        '<rect x="0.5" y="0.5" width="155" height="68" rx="8" fill="none" stroke="url(#goldV)" stroke-width="1.6"/>',
        f'<rect x="3" y="3" width="150" height="63" rx="6" fill="none" stroke="{GOLD_DARK}" stroke-width="0.7" opacity="0.8"/>',
        '<rect x="6" y="5" width="144" height="59" rx="2" fill="#100a0b"/>',
        '<rect x="5.5" y="4.5" width="145" height="60" rx="2.5" fill="none" stroke="url(#bevel)" stroke-width="1.2"/>',
    ]
    defs = (gold_gradient("goldV") +
            '<linearGradient id="ebon" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#3a3436"/>'
            '<stop offset="0.5" stop-color="#121012"/><stop offset="1" stop-color="#050404"/></linearGradient>'
            '<linearGradient id="bevel" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#000"/>'
            f'<stop offset="1" stop-color="{GOLD}"/></linearGradient>')
    return svg(156, 69, "\n".join(b), defs)


def loecherig():
    holes = []
    pitch = 16
    for i in range(24):
        x = i * pitch + 4.75
        holes.append(f'<rect x="{x}" y="5" width="6.5" height="8" rx="2" fill="#000"/>')
        holes.append(f'<rect x="{x}" y="93" width="6.5" height="8" rx="2" fill="#000"/>')
    b = [
        '<mask id="holes" maskUnits="userSpaceOnUse" x="0" y="0" width="384" height="106">'
        '<rect width="384" height="106" fill="#fff"/>' + "".join(holes) + '</mask>',
        '<g mask="url(#holes)">'
        '<rect x="0" y="0" width="384" height="106" rx="3" fill="url(#band)"/>'
        f'<rect x="0" y="0" width="384" height="18" fill="{CREAM_DARK}" opacity="0.7"/>'
        f'<rect x="0" y="88" width="384" height="18" fill="{CREAM_DARK}" opacity="0.7"/>'
        f'<rect x="0" y="18" width="384" height="1.2" fill="{GOLD}" opacity="0.8"/>'
        f'<rect x="0" y="86.8" width="384" height="1.2" fill="{GOLD}" opacity="0.8"/>'
        '</g>',
    ]
    defs = ('<linearGradient id="band" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#fbf1dc"/>'
            '<stop offset="0.5" stop-color="#fffdf7"/><stop offset="1" stop-color="#f6e8cc"/></linearGradient>')
    return svg(384, 106, "\n".join(b), defs, par="none")


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    files = {
        "Hintergrund.svg": hintergrund(),
        "HighScore.svg": highscore(),
        "HinterLeer2.svg": hinterleer(),
        "BlackRahmen.svg": black_rahmen(),
        "loecherig.svg": loecherig(),
    }
    for n in range(1, 6):
        files[f"Pfeil {n}.svg"] = pfeil(n)
    for n in range(10):
        files[f"Counter{n}.svg"] = counter_frame(n)
        files[f"counter {n}.svg"] = counter_digit(n)
    for name, text in files.items():
        with open(os.path.join(out, name), "w", encoding="utf-8") as f:
            f.write(text)


if __name__ == "__main__":
    main()
