#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates the music-symbol pictures assets/Musical/MusicalNN.png (NN = the
# decimal code of the character that stands for the symbol) from the SVG
# sources in svg/, and writes preview strips into out/ (not assets).
#
# Needs python3 (standard library only), rsvg-convert (librsvg2-bin) and
# ImageMagick 6 (/usr/bin/convert).  Usage: tools/musical/render.sh
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
svgdir="$here/svg"
pngdir="$root/assets/Musical"
out="$here/out"
IM=/usr/bin/convert
mkdir -p "$pngdir" "$out"

PYTHONDONTWRITEBYTECODE=1 python3 "$here/make_svgs.py" "$svgdir"

for svg in "$svgdir"/Musical*.svg; do
    name=$(basename "$svg" .svg)
    rsvg-convert -o "$out/.tmp.png" "$svg"
    # pure black with alpha, no time stamps: the same sources give the same bytes
    $IM "$out/.tmp.png" -channel RGB -evaluate set 0 +channel -strip \
        -define png:exclude-chunks=date,time PNG32:"$pngdir/$name.png"
done
rm -f "$out/.tmp.png"

# Preview strips as the game shows them: scale 0.4 on the cream card of the
# question screen, and the editor's preview at scale 0.5 on white.
strip() { # name, scale in percent, background, characters...
    n=$1; pct=$2; bg=$3; shift 3
    files=""
    for c in "$@"; do files="$files $pngdir/Musical$c.png"; done
    # shellcheck disable=SC2086
    $IM $files -resize "x$((500 * pct / 100))" +append +repage -background "$bg" \
        -alpha remove -alpha off -bordercolor "$bg" -border 20x10 "$out/$n.png"
}
code() { printf '%d' "'$1"; }
line() { # name, pct, bg, string
    n=$1; pct=$2; bg=$3; s=$4; set --
    i=1
    while [ "$i" -le "${#s}" ]; do
        c=$(printf '%s' "$s" | cut -c"$i")
        set -- "$@" "$(code "$c")"
        i=$((i + 1))
    done
    strip "$n" "$pct" "$bg" "$@"
}
cream='#f6efd9'
line zeile1 40 "$cream" 'G48|'
line zeile2 40 "$cream" 'FD3864]'
line zeile3 40 "$cream" 'CTwhva|'
line zeile4 40 "$cream" 'Gcs#b4n:'
line zeile5 40 "$cream" 'G1=f>.2'
line vorschau 50 white 'G48|'
line alle 50 white 'GFC12486'
line alle2 50 white '3whvas#bn'
line alle3 50 white '|]:fTDc=>.'
echo "$(ls "$pngdir" | wc -l) pictures in $pngdir, previews in $out"
