#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the manual's HTML with the available screenshots filled in.

Every <figure class="screen ..." data-screen="NAME"> of handbuch.html holds a
framed placeholder. When screens/NAME.png exists, the placeholder is replaced
by that picture (scaled and stored as JPEG first when ImageMagick is there, so
the PDF stays small). Usage: prepare.py SOURCE.html OUTPUT.html WORKDIR
"""
import html
import pathlib
import re
import shutil
import subprocess
import sys

FIGURE = re.compile(
    r'(<figure class="screen[^"]*" data-screen="(?P<name>[a-z0-9_-]+)">\s*)'
    r'<div class="platzhalter">(?P<label>.*?)</div>',
    re.S)


def picture_for(name, screens, work):
    png = screens / (name + ".png")
    if not png.is_file():
        return None
    convert = shutil.which("convert")
    if convert:
        jpg = work / (name + ".jpg")
        result = subprocess.run(
            [convert, str(png), "-resize", "1200x1200>", "-strip",
             "-background", "white", "-alpha", "remove", "-alpha", "off",
             "-quality", "85", str(jpg)],
            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        if result.returncode == 0 and jpg.is_file():
            return jpg
        print("prepare.py: could not convert %s, using it as it is" % png,
              file=sys.stderr)
    return png


EMBLEM = "../art-ui/emblem.svg"


def cover_emblem(source, text, work):
    """The about-page badge sits on a cream square; on the burgundy cover the
    square goes, so only the round badge shows."""
    svg = (source.parent / EMBLEM).resolve()
    if not svg.is_file() or EMBLEM not in text:
        return text
    drawing = re.sub(r'<rect width="255" height="255" fill="[^"]*"\s*/>', "",
                     svg.read_text(encoding="utf-8"), count=1)
    target = work / "emblem.svg"
    target.write_text(drawing, encoding="utf-8")
    return text.replace('src="%s"' % EMBLEM, 'src="%s"' % target.resolve().as_uri())


def main():
    if len(sys.argv) != 4:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    source = pathlib.Path(sys.argv[1]).resolve()
    output = pathlib.Path(sys.argv[2])
    work = pathlib.Path(sys.argv[3])
    screens = source.parent / "screens"
    text = source.read_text(encoding="utf-8")
    used = []

    def fill(match):
        picture = picture_for(match.group("name"), screens, work)
        if picture is None:
            return match.group(0)
        used.append(match.group("name"))
        label = re.sub(r"^Bild:\s*", "", match.group("label"))
        return '%s<img src="%s" alt="%s">' % (
            match.group(1), picture.resolve().as_uri(), html.escape(label, True))

    text, places = FIGURE.subn(fill, text)
    text = cover_emblem(source, text, work)
    output.write_text(text, encoding="utf-8")
    print("screenshots: %d of %d places filled%s" % (
        len(used), places, (" (" + ", ".join(used) + ")") if used else ""))
    return 0


if __name__ == "__main__":
    sys.exit(main())
