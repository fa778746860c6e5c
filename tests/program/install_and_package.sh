#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What a packager does with the build: installs it into a staging folder and
# checks every file, validates the desktop entry and the AppStream metainfo,
# starts the installed program under Xvfb (window with icon and class, ended
# by SIGTERM with exit code 0), and builds the Debian package.
#   install_and_package.sh BUILD_DIR
set -u
build="$1"
box=$(mktemp -d)
trap 'rm -rf "$box"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
id=org.parlavinto.Parlavinto

# --- install into a staging folder
stage="$box/stage"
DESTDIR="$stage" cmake --install "$build" --prefix /usr >"$box/install.log" 2>&1 || fail "install: $(cat "$box/install.log")"
expected="usr/games/parlavinto
usr/share/applications/$id.desktop
usr/share/doc/parlavinto/Parlavinto.pdf
usr/share/doc/parlavinto/README.md
usr/share/doc/parlavinto/changelog.gz
usr/share/doc/parlavinto/copyright
usr/share/icons/hicolor/128x128/apps/$id.png
usr/share/icons/hicolor/16x16/apps/$id.png
usr/share/icons/hicolor/24x24/apps/$id.png
usr/share/icons/hicolor/256x256/apps/$id.png
usr/share/icons/hicolor/32x32/apps/$id.png
usr/share/icons/hicolor/48x48/apps/$id.png
usr/share/icons/hicolor/64x64/apps/$id.png
usr/share/icons/hicolor/scalable/apps/$id.svg
usr/share/man/de/man6/parlavinto.6.gz
usr/share/man/man6/parlavinto.6.gz
usr/share/metainfo/$id.metainfo.xml"
got=$(cd "$stage" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
[ "$got" = "$(echo "$expected" | LC_ALL=C sort)" ] || fail "installed files differ:
$(diff <(echo "$expected" | LC_ALL=C sort) <(echo "$got"))"
for size in 16 24 32 48 64 128 256; do
  head -c 24 "$stage/usr/share/icons/hicolor/${size}x${size}/apps/$id.png" | od -An -tx1 | tr -d ' \n' \
    | grep -q "^89504e470d0a1a0a0000000d49484452$(printf '%08x%08x' "$size" "$size")" || fail "icon $size is not a $size px PNG"
done
gzip -t "$stage/usr/share/man/man6/parlavinto.6.gz" || fail "man page"
grep -qx "Exec=/usr/games/parlavinto" "$stage/usr/share/applications/$id.desktop" || fail "Exec line: $(grep Exec "$stage/usr/share/applications/$id.desktop")"

# --- validators
desktop-file-validate "$stage/usr/share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$stage/usr/share/metainfo/$id.metainfo.xml" >"$box/as.log" 2>&1 || fail "appstreamcli: $(cat "$box/as.log")"

# --- the installed program: --help and --version need no display at all
exe="$stage/usr/games/parlavinto"
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$exe" --version) || fail "--version exit code $?"
[ "$(echo "$out" | head -1)" = "Parlavinto 4.9.1" ] || fail "--version says: $out"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$exe" --help | grep -q "^Aufruf: parlavinto" || fail "--help"

# --- the installed program starts under Xvfb and ends with exit code 0
cat >"$box/x.sh" <<'XEOF'
exe="$1"; box="$2"
export XDG_DATA_HOME="$box/data" SDL_AUDIODRIVER=dummy
"$exe" >"$box/run.log" 2>&1 &
pid=$!
win=$(timeout 60 xdotool search --sync --onlyvisible --name "Parlavinto" | head -1)
[ -n "$win" ] || { echo "no window"; kill -KILL $pid; exit 1; }
xprop -id "$win" WM_CLASS _NET_WM_ICON >"$box/props.txt" 2>&1
kill -TERM $pid
wait $pid
echo "exit=$?"
XEOF
unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1280x1024x24" bash "$box/x.sh" "$exe" "$box" >"$box/x.log" 2>&1
grep -qx "exit=0" "$box/x.log" || fail "under Xvfb: $(cat "$box/x.log" "$box/run.log")"
grep -q 'WM_CLASS(STRING) = "parlavinto"' "$box/props.txt" || fail "window class: $(head -c 300 "$box/props.txt")"
grep -q '_NET_WM_ICON(CARDINAL) = ' "$box/props.txt" || fail "window has no icon: $(head -c 300 "$box/props.txt")"
[ -f "$box/data/Brelquisto/Parlavinto/Parlavinto.Ini" ] || fail "no data folder after the start"

# --- the Debian package: computed dependencies, section games
(cd "$box" && cpack -G DEB -B "$box/deb" --config "$build/CPackConfig.cmake" >"$box/cpack.log" 2>&1) || fail "cpack: $(cat "$box/cpack.log")"
deb=$(ls "$box"/deb/parlavinto_4.9.1_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || fail "no package: $(cat "$box/cpack.log")"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section $(dpkg-deb -f "$deb" Section)"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libsdl2-2.0-0 libvorbisfile3 libminizip1 libc6; do
  echo "$depends" | grep -q "$lib (>=" || fail "Depends lacks $lib: $depends"
done
dpkg-deb -c "$deb" | grep -q " ./usr/games/parlavinto$" || fail "package lacks the executable"
dpkg-deb -c "$deb" | grep -q " ./usr/share/applications/$id.desktop$" || fail "package lacks the desktop entry"
echo "1 passed, 0 failed"
