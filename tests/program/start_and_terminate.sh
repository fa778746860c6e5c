#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real program twice in a sandboxed data folder and ends it with
# SIGTERM (an AppTerminate event): first start prepares the data folder and
# stamps the settings file, the second start copies nothing and only changes
# the stamp.
set -u
exe="$1"
box=$(mktemp -d)
trap 'rm -rf "$box"' EXIT
export XDG_DATA_HOME="$box" QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
data="$box/Brelquisto/Parlavinto"
fail() { echo "FAIL: $*"; exit 1; }

run_once() {
  # The program is ready for SIGTERM once it has stamped the settings file:
  # wait for the file to appear or, on a later start, for its stamp to change.
  local before=""
  [ -f "$data/Parlavinto.Ini" ] && before=$(cat "$data/Parlavinto.Ini")
  "$exe" >"$box/out.txt" 2>&1 &
  pid=$!
  for _ in $(seq 1 400); do
    [ -f "$data/Parlavinto.Ini" ] && [ "$(cat "$data/Parlavinto.Ini")" != "$before" ] && break
    sleep 0.05
  done
  sleep 0.5
  kill -0 $pid 2>/dev/null || fail "program ended by itself: $(cat "$box/out.txt")"
  kill -TERM $pid
  wait $pid
  rc=$?
  [ $rc -eq 0 ] || fail "exit code $rc"
}

run_once
[ -d "$data/Daten/Spiele" ] || fail "Daten/Spiele missing"
for f in info.html logo.png Parlavinto255.gif Styles.css "Fragen 0.dat" Portrait.jpg; do
  [ -f "$data/$f" ] || fail "template $f missing"
done
lines=$(cat "$data/Parlavinto.Ini" | wc -l)
[ "$lines" -eq 2 ] || fail "settings file has $lines lines"
[ "$(head -c 13 "$data/Parlavinto.Ini" | od -An -c | tr -s ' ')" = " [ A l l g e m e i n ] \r \n" ] || fail "header line: $(od -c "$data/Parlavinto.Ini" | head -2)"
grep -aqE '^LastStart=[0-9]{2} [A-Z][a-z]{2} [0-9]{4} [0-9]{2}:[0-9]{2}:[0-9]{2}'$'\r''$' "$data/Parlavinto.Ini" || fail "stamp: $(cat -A "$data/Parlavinto.Ini")"

# second start: the user's own question file survives, nothing is copied again
echo "[Quiz 5]" > "$data/Fragen 0.dat"
rm "$data/Styles.css"
sleep 1
run_once
[ "$(cat "$data/Fragen 0.dat")" = "[Quiz 5]" ] || fail "user file overwritten"
[ ! -f "$data/Styles.css" ] || fail "template copied on a second start"
lines=$(cat "$data/Parlavinto.Ini" | wc -l)
[ "$lines" -eq 2 ] || fail "settings file has $lines lines after the second start"

# settings file removed, folder kept: templates come back, the user's file stays
rm "$data/Parlavinto.Ini"
run_once
[ -f "$data/Styles.css" ] || fail "template not copied after the settings file was removed"
[ "$(cat "$data/Fragen 0.dat")" = "[Quiz 5]" ] || fail "user file replaced by its template"
echo "1 passed, 0 failed"
