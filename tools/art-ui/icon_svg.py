#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the application icon's SVG sources from the emblem (emblem.svg):
#   icon_svg.py full  EMBLEM OUT   the emblem on a transparent ground (scalable icon, 32 px and up)
#   icon_svg.py small EMBLEM OUT   a plainer badge for 16 and 24 px: no beads, staff, star
#                                  or shine, and zoomed to the burgundy ring so the clef
#                                  and the notes stay readable
import re
import sys


def drop(svg, pattern):
    out, n = re.subn(pattern, "", svg, flags=re.S)
    if n == 0:
        sys.exit("icon_svg.py: the emblem changed, nothing matches " + pattern)
    return out


def main():
    kind, src, dst = sys.argv[1:4]
    svg = open(src, encoding="utf-8").read()
    svg = re.sub(r"<!--.*?-->", "", svg, flags=re.S)
    svg = drop(svg, r'<rect width="255" height="255" fill="#fbf5e6"/>\s*')
    if kind == "small":
        svg = drop(svg, r'<circle cx="129.5" cy="131" r="123"[^>]*/>\s*')  # shadow
        svg = drop(svg, r'<g fill="url\(#gold\)" stroke="#6b4710" stroke-width="0.7">.*?</g>\s*')  # beads
        svg = drop(svg, r'<g clip-path="url\(#inner\)".*?</g>\s*')  # staff lines
        svg = drop(svg, r'<path transform="translate\(176,72\).*?/>\s*')  # star
        svg = drop(svg, r'<ellipse cx="112" cy="80"[^>]*/>\s*')  # shine
        svg = svg.replace('viewBox="0 0 255 255"', 'viewBox="20 20 215 215"')
        svg = svg.replace('stroke-width="9"', 'stroke-width="12"').replace('stroke-width="7"', 'stroke-width="10"')
    elif kind != "full":
        sys.exit("usage: icon_svg.py full|small EMBLEM OUT")
    header = ("<!-- SPDX-License-Identifier: CC-BY-SA-4.0 -->\n"
              "<!-- Parlavinto application icon, made from tools/art-ui/emblem.svg by icon_svg.py. -->\n")
    svg = svg.replace("?>\n", "?>\n" + header, 1)
    open(dst, "w", encoding="utf-8").write(svg)


main()
