#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Parlavinto: install what is missing, build, then start the game or run the tests.
#   ./parlavinto.sh            install, build and start the game
#   ./parlavinto.sh test       install, build and run all tests
#   ./parlavinto.sh sanitize   the tests once more, built with AddressSanitizer and UBSan
set -euo pipefail
cd "$(dirname "$0")"
mode="${1:-play}"

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-qpa-plugins libminizip-dev zlib1g-dev libpng-dev libjpeg-dev libfreetype-dev
  libvorbis-dev libogg-dev libsdl2-dev
  libgtest-dev libbenchmark-dev
  fonts-dejavu-core qt6-translations-l10n
)
if [ "$mode" != play ]; then packages+=(xvfb xauth xdotool imagemagick python3); fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

jobs=$(nproc 2>/dev/null || echo 2)
case "$mode" in
  play)
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build -j"$jobs" --target parlavinto
    exec ./build/parlavinto
    ;;
  test)
    # the benchmarks are built too, so that they keep compiling
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPARLAVINTO_BENCH=ON
    cmake --build build -j"$jobs"
    cd build && ctest --output-on-failure -j"$jobs"
    ;;
  sanitize)
    cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DPARLAVINTO_SANITIZE=ON -DPARLAVINTO_BENCH=OFF
    cmake --build build-sanitize -j"$jobs"
    cd build-sanitize && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j"$jobs"
    ;;
  *)
    echo "usage: $0 [play|test|sanitize]" >&2
    exit 2
    ;;
esac
