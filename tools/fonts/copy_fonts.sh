#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copies the two freely licensed faces and their licence texts into the archive folder.
set -e
here=$(cd "$(dirname "$0")/../.." && pwd)
cp /usr/share/fonts/opentype/comic-neue/ComicNeue-Regular.otf "$here/assets/Sonst/comic.ttf"
cp /usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf "$here/assets/Sonst/arial.ttf"
cp /usr/share/doc/fonts-comic-neue/copyright "$here/assets/Sonst/comic LICENSE.txt"
cp /usr/share/doc/fonts-liberation2/copyright "$here/assets/Sonst/arial LICENSE.txt"
