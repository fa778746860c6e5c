#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the question pictures and clips from the sources of this folder and
# checks the archive's pictures and clips against manifest.tsv.
#   tools/media/build.sh              everything (the symbol pictures of tools/musical too)
#   tools/media/build.sh NAME ...     only the named sources (without extension)
#   tools/media/build.sh --check      only the checks
# Needs lilypond, fluidsynth + fluid-soundfont-gm, vorbis-tools, librsvg2-bin,
# sox, ffmpeg, ImageMagick 6 (/usr/bin/convert) and python3.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
images="$root/assets/Images"
sounds="$root/assets/Sounds"
IM=/usr/bin/convert
IDENTIFY=/usr/bin/identify
SF2=/usr/share/sounds/sf2/FluidR3_GM.sf2

# Loudness of every clip: integrated loudness (EBU R 128) and a ceiling for
# the true peak. The announcement jingles measure about -14.5 LUFS and play
# at volume 0.5 (about -20.5 LUFS as heard), "sound.ogg" about -19 LUFS at
# volume 1.0, the listening clips about -20 LUFS: a question clip at -20 LUFS
# plays at 1.0 as loud as what comes before it. Clips are mono and measured as
# heard, on both channels (ebur128's dualmono).
TARGET_LUFS=-20
CEILING_DBTP=-1.0
FADE_OUT=0.4     # seconds at the end
MIN_SECONDS=2
MAX_SECONDS=15
MAX_BYTES=204800
PICTURE_SIDE=480 # long side of a drawing, margin included
PICTURE_MARGIN=12
NOTES_DPI=150    # a four-bar line is about 550 px wide, one bar about 160 px
NOTES_MAX=600
NOTES_MARGIN=12

die() { echo "build.sh: $*" >&2; exit 1; }

need() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || die "$tool is missing (see tools/media/README.md)"
    done
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

# ---------------------------------------------------------------------------
# Every picture is a white square with the content centred: the screen fits
# it into its square box by the long side, so the content shows as large as
# it would without the padding, the box is always filled the same way, and a
# solution picture, which the screen draws over the question picture, always
# covers it completely. Written without time stamps: the same bytes each time.
square() { # in.png, out.png
    local side
    side=$("$IDENTIFY" -format '%[fx:max(w,h)]' "$1")
    "$IM" "$1" -background white -gravity center -extent "${side}x${side}" -alpha off \
        -strip -define png:exclude-chunks=date,time PNG24:"$2"
}

# bilder/NAME.svg -> Images/NAME.png
build_bild() { # svg
    local name src tmp
    src=$1
    name=$(basename "$src" .svg)
    tmp="$work/$name.big.png"
    local inner=$((PICTURE_SIDE - 2 * PICTURE_MARGIN))
    rsvg-convert -a -w 2000 -h 2000 -o "$tmp" "$src"
    # Trimmed to the drawing, then put on white: the quiz screen puts a
    # near-black backing behind transparent parts, where the black outlines
    # of a drawing would vanish.
    "$IM" "$tmp" -trim +repage -filter Lanczos -resize "${inner}x${inner}" \
        -background white -alpha remove -alpha off \
        -bordercolor white -border "$PICTURE_MARGIN" "$work/$name.trim.png"
    square "$work/$name.trim.png" "$images/$name.png"
    echo "Images/$name.png"
}

# ---------------------------------------------------------------------------
# MIDI -> OGG: FluidSynth, silence trimmed, fade-out, loudness, oggenc
render_midi() { # midi, name
    local midi=$1 name=$2
    local raw="$work/$name.raw.wav" trim="$work/$name.trim.wav" cut="$work/$name.cut.wav" fin="$work/$name.wav"
    fluidsynth -ni -q -g 0.4 -r 44100 -o audio.file.format=float -F "$raw" "$SF2" "$midi" >/dev/null 2>&1 ||
        die "$name: fluidsynth failed"
    # a second of silence first, so that the release and the reverb tail survive the trim
    sox -R -V1 "$raw" "$trim" pad 0 1 silence 1 0.01 -60d reverse silence 1 0.01 -60d reverse
    # mono (the game plays it on both sides): a 15 s clip stays well under 200 KB
    sox -R -V1 "$trim" -c 1 "$cut" fade t 0.005 -0 "$FADE_OUT"
    local len
    len=$(soxi -D "$cut")
    awk -v l="$len" -v a="$MIN_SECONDS" -v b="$MAX_SECONDS" 'BEGIN { exit !(l >= a && l <= b) }' ||
        die "$name: $len s long, a clip must last $MIN_SECONDS to $MAX_SECONDS s"
    local stats lufs tp gain
    stats=$(ffmpeg -nostats -hide_banner -i "$cut" -af ebur128=peak=true:dualmono=true -f null - 2>&1)
    lufs=$(echo "$stats" | awk '/^ +I:/ { v = $2 } END { print v }')
    tp=$(echo "$stats" | awk '/^ +Peak:/ { v = $2 } END { print v }')
    [ -n "$lufs" ] && [ -n "$tp" ] || die "$name: loudness not measurable"
    # gain to the target, lowered if the true peak would pass the ceiling
    gain=$(awk -v i="$lufs" -v p="$tp" -v t="$TARGET_LUFS" -v c="$CEILING_DBTP" \
        'BEGIN { g = t - i; if (p + g > c) g = c - p; printf "%.2f", g }')
    sox -R -V1 "$cut" -b 16 "$fin" gain "$gain"
    local serial
    serial=$(printf '%s' "$name" | cksum | cut -d' ' -f1)
    oggenc --quiet -q 3 --serial "$serial" -o "$sounds/$name.ogg" "$fin"
    echo "Sounds/$name.ogg"
}

# noten/NAME.ly -> Images/NAME.png (+ Sounds/NAME.ogg with \midi)
build_noten() { # ly
    local src=$1 name
    name=$(basename "$src" .ly)
    local out="$work/$name"
    (cd "$work" && lilypond -s -dno-point-and-click -dcrop -dno-print-pages -dresolution="$NOTES_DPI" \
        --png -I "$here/noten" -o "$out" "$src") || die "$src: lilypond failed"
    [ -f "$out.cropped.png" ] || die "$src: lilypond wrote no picture (a \\layout block is needed)"
    local inner=$((NOTES_MAX - 2 * NOTES_MARGIN))
    "$IM" "$out.cropped.png" -background white -alpha remove -alpha off -trim +repage \
        -filter Lanczos -resize "${inner}x${inner}>" -bordercolor white -border "$NOTES_MARGIN" -strip "$work/$name.trim.png"
    square "$work/$name.trim.png" "$images/$name.png"
    echo "Images/$name.png"
    if [ -f "$out.midi" ]; then render_midi "$out.midi" "$name"; fi
}

# klaenge/NAME.ly -> Sounds/NAME.ogg
build_klang() { # ly
    local src=$1 name
    name=$(basename "$src" .ly)
    local out="$work/$name"
    (cd "$work" && lilypond -s -dno-point-and-click -dno-print-pages -I "$here/noten" -o "$out" "$src") ||
        die "$src: lilypond failed"
    [ -f "$out.midi" ] || die "$src: lilypond wrote no MIDI (a \\midi block is needed)"
    render_midi "$out.midi" "$name"
}

# ---------------------------------------------------------------------------
check_only=0
names=()
for a in "$@"; do
    case "$a" in
        --check) check_only=1 ;;
        -*) die "unknown option $a" ;;
        *) names+=("$a") ;;
    esac
done

wanted() { # name
    [ ${#names[@]} -eq 0 ] && return 0
    local n
    for n in "${names[@]}"; do [ "$n" = "$1" ] && return 0; done
    return 1
}

if [ "$check_only" -eq 0 ]; then
    need rsvg-convert lilypond fluidsynth sox soxi ffmpeg oggenc python3
    [ -x "$IM" ] || die "$IM is missing (imagemagick)"
    [ -f "$SF2" ] || die "$SF2 is missing (fluid-soundfont-gm)"
    mkdir -p "$images" "$sounds"
    if [ ${#names[@]} -eq 0 ]; then
        # The music-symbol pictures of "Musical" lines have their own generator.
        sh "$root/tools/musical/render.sh" || die "tools/musical/render.sh failed"
    fi
    found=()
    shopt -s nullglob
    for f in "$here"/bilder/*.svg; do
        n=$(basename "$f" .svg); found+=("$n"); wanted "$n" && build_bild "$f"
    done
    for f in "$here"/noten/*.ly; do
        n=$(basename "$f" .ly); found+=("$n"); wanted "$n" && build_noten "$f"
    done
    for f in "$here"/klaenge/*.ly; do
        n=$(basename "$f" .ly); found+=("$n"); wanted "$n" && build_klang "$f"
    done
    for n in "${names[@]}"; do
        printf '%s\n' "${found[@]}" | grep -qx -- "$n" || die "no source named $n in bilder/, noten/ or klaenge/"
    done
fi

python3 -B "$here/check.py" "$root"
