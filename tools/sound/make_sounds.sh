#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates every fixed sound of the game into assets/Sounds/.
#   tools/sound/make_sounds.sh            all sounds
#   tools/sound/make_sounds.sh "Ja 3"     only the named ones
exec "$(dirname "$0")/encode.sh" make_sounds.py "$@"
