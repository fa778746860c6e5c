#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates every binary picture of the toolbar, the player form and the
# about page from the SVG sources in this folder, then checks the toolbar.
#
# Needs: rsvg-convert (librsvg2-bin), ImageMagick 6 (/usr/bin/convert),
# python3, and the fonts of fonts-urw-base35 (the logo's C059 lettering).
# Usage: tools/art-ui/render.sh    (from anywhere)
set -eu

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
images="$root/assets/Images"
user="$root/assets/User"
out="$here/out"
magick=/usr/bin/convert

mkdir -p "$images" "$user" "$out"

# Toolbar strip, 772 x 48 RGBA; the 2x copy is only for looking at.
rsvg-convert -w 772 -h 48 "$here/toolbar.svg" -o "$images/NewToolbar.png"
rsvg-convert -w 1544 -h 96 "$here/toolbar.svg" -o "$out/NewToolbar@2x.png"

# Background of the player form, 400 x 550.
rsvg-convert -w 400 -h 550 "$here/namensbox.svg" -o "$images/Namensbox2.png"

# About page pictures.
rsvg-convert -w 300 -h 90 "$here/logo.svg" -o "$user/logo.png"

rsvg-convert -w 255 -h 255 "$here/emblem.svg" -o "$out/emblem.png"
"$magick" "$out/emblem.png" -background '#fbf5e6' -alpha remove -alpha off \
    -colors 256 -strip "$user/parlavinto255.gif"

rsvg-convert -w 240 -h 300 "$here/portrait.svg" -o "$out/portrait.png"
"$magick" "$out/portrait.png" -background white -alpha remove -alpha off \
    -strip -sampling-factor 2x2 -quality 88 "$user/portrait.jpg"

# Application icon in the hicolor theme, from the emblem: a scalable SVG and
# PNGs at the sizes desktops ask for. 16 and 24 px use the plainer badge.
icons="$root/packaging/icons/hicolor"
appid=org.parlavinto.Parlavinto
mkdir -p "$icons/scalable/apps"
python3 "$here/icon_svg.py" full "$here/emblem.svg" "$icons/scalable/apps/$appid.svg"
python3 "$here/icon_svg.py" small "$here/emblem.svg" "$out/icon-small.svg"
for size in 16 24 32 48 64 128 256; do
  src="$icons/scalable/apps/$appid.svg"
  [ "$size" -le 24 ] && src="$out/icon-small.svg"
  mkdir -p "$icons/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" "$src" -o "$out/icon-$size.png"
  "$magick" "$out/icon-$size.png" -strip "PNG32:$icons/${size}x${size}/apps/$appid.png"
done

# The user's own question file starts empty.
: > "$user/Fragen 0.dat"

python3 "$here/pngcheck.py" "$images/NewToolbar.png" "$out/NewToolbar@2x.png" >/dev/null \
    || { python3 "$here/pngcheck.py" "$images/NewToolbar.png" "$out/NewToolbar@2x.png"; exit 1; }
echo "render.sh: all pictures written"
