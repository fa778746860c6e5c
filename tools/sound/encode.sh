#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Used by make_sounds.sh: runs a generator script of this
# folder, which writes WAV files, and encodes them into assets/Sounds/.
#   tools/sound/encode.sh GENERATOR.py [NAME ...]
# Needs python3 (standard library only) and oggenc (vorbis-tools); sox is
# used for the summary at the end when it is installed.
# The output is deterministic: fixed seeds in the synthesis, a fixed Ogg
# stream serial per file.
set -eu

generator="$1"
shift

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out="$root/assets/Sounds"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

command -v oggenc >/dev/null 2>&1 || {
    echo "oggenc is missing: apt-get install vorbis-tools" >&2
    exit 1
}

python3 -B "$here/$generator" "$work" "$@"

mkdir -p "$out"
for wav in "$work"/*.wav; do
    name=$(basename "$wav" .wav)
    # the serial depends on the name only, so a partial run gives the same files
    serial=$(printf '%s' "$name" | cksum | cut -d' ' -f1)
    oggenc --quiet -q 5 --serial "$serial" -o "$out/$name.ogg" "$wav"
done

if command -v sox >/dev/null 2>&1; then
    for wav in "$work"/*.wav; do
        name=$(basename "$wav" .wav)
        sox "$out/$name.ogg" -n stat 2>&1 | awk -v n="$name.ogg" '
            /^Length/ { len = $3 }
            /^Maximum amplitude/ { mx = $3 }
            /^Minimum amplitude/ { mn = -$3 }
            /^RMS     amplitude/ { rms = $3 }
            END { pk = (mx > mn) ? mx : mn
                  printf "%-27s %5.2f s  peak %6.1f dBFS  RMS %6.1f dBFS\n",
                         n, len, 20 * log(pk) / log(10), 20 * log(rms) / log(10) }'
    done
fi
