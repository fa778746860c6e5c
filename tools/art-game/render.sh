#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates every game picture of assets/Images from the SVG sources.
# Needs python3, rsvg-convert (librsvg2-bin) and ImageMagick (/usr/bin/convert).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
svgdir="$here/svg"
out="$root/assets/Images"
mkdir -p "$out"
PYTHONDONTWRITEBYTECODE=1 python3 "$here/make_svgs.py" "$svgdir"

IM=/usr/bin/convert

render() { # svg, png, width, height, rgb|rgba
    tmp="$out/.tmp-render.png"
    rsvg-convert -w "$3" -h "$4" -o "$tmp" "$svgdir/$1"
    write "$tmp" "$2" "$5"
}

# backgrounds: drawn in logical 1024 x 768, rendered at twice that size
# (uniform scale; librsvg misplaces centred text under a non-uniform scale)
# and squeezed to the stored 1022 x 660 with a good filter
render_bg() { # svg, png
    tmp="$out/.tmp-render.png"
    rsvg-convert -w 2048 -h 1536 -o "$tmp" "$svgdir/$1"
    $IM "$tmp" -filter Lanczos -resize '1022x660!' "$tmp"
    write "$tmp" "$2" rgb
}

write() { # tmp, png, rgb|rgba
    tmp=$1
    if [ "$3" = rgb ]; then
        $IM "$tmp" -background black -alpha remove -alpha off -strip \
            -define png:exclude-chunks=date,time PNG24:"$out/$2"
    else
        $IM "$tmp" -strip -define png:exclude-chunks=date,time PNG32:"$out/$2"
    fi
    rm -f "$tmp"
}

render_bg Hintergrund.svg Hintergrund.png
render_bg HighScore.svg HighScore.png
render_bg HinterLeer2.svg HinterLeer2.png
for n in 1 2 3 4 5; do
    render "Pfeil $n.svg" "Pfeil $n.png" 810 47 rgba
done
for n in 0 1 2 3 4 5 6 7 8 9; do
    render "Counter$n.svg" "Counter$n.png" 144 57 rgba
    render "counter $n.svg" "counter $n.png" 40 50 rgba
done
render loecherig.svg loecherig.png 384 106 rgba
render BlackRahmen.svg BlackRahmen.png 156 69 rgba
