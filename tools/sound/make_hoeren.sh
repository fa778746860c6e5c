#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates the listening clips of the ear-training questions into assets/Sounds/.
#   tools/sound/make_hoeren.sh                   all clips
#   tools/sound/make_hoeren.sh Hoeren_Quinte     only the named ones
exec "$(dirname "$0")/encode.sh" make_hoeren.py "$@"
