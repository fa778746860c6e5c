#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the user manual assets/Sonst/Parlavinto.pdf from handbuch.html and
# handbuch.css. Screenshots placed as tools/manual/screens/NAME.png are used
# automatically; places without a picture keep their framed placeholder.
#
# Needs: weasyprint (Debian package "weasyprint"), python3, the fonts of
# fonts-comic-neue and fonts-liberation2; ImageMagick is optional (shrinks
# screenshots). Usage: tools/manual/build.sh    (from anywhere)
set -eu

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out="$root/assets/Sonst/Parlavinto.pdf"

for tool in weasyprint python3; do
  command -v "$tool" >/dev/null 2>&1 || {
    echo "build.sh: $tool is missing (apt-get install -y weasyprint)" >&2
    exit 1
  }
done
for family in "Comic Neue" "Liberation Sans" "Liberation Mono"; do
  fc-list "$family" | grep -q . || {
    echo "build.sh: font '$family' is missing (apt-get install -y fonts-comic-neue fonts-liberation2)" >&2
    exit 1
  }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A fixed date keeps the embedded font subsets, and so the PDF, byte-identical
# from one build to the next.
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-1700000000}
export SOURCE_DATE_EPOCH

python3 "$here/prepare.py" "$here/handbuch.html" "$work/handbuch.html" "$work"
# The base URL keeps the style sheet and the pictures relative to this folder.
weasyprint --base-url "$here/" --presentational-hints "$work/handbuch.html" "$work/Parlavinto.pdf"
mv "$work/Parlavinto.pdf" "$out"

if command -v pdfinfo >/dev/null 2>&1; then
  pages=$(pdfinfo "$out" | sed -n 's/^Pages: *//p')
  echo "$out: $pages pages, $(wc -c < "$out") bytes"
else
  echo "$out: $(wc -c < "$out") bytes"
fi
