#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Parlavinto: install what is missing, build, then start the game or run the tests.
#   ./parlavinto.sh            install, build and start the game
#   ./parlavinto.sh test       install, build and run all tests
#   ./parlavinto.sh sanitize   the tests once more, built with AddressSanitizer and UBSan
#   ./parlavinto.sh fuzz       the libFuzzer targets (clang), each run on its seed corpus
#                              for FUZZ_SECONDS seconds (default 20)
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
# tests: a display for the real program, python3 for the media manifest check,
# and the packager's tools (validators, dpkg-shlibdeps for the Debian
# package's dependencies, xprop)
if [ "$mode" != play ]; then
  packages+=(xvfb xauth xdotool imagemagick python3 x11-utils desktop-file-utils appstream dpkg-dev)
fi
if [ "$mode" = fuzz ]; then packages+=(clang libclang-rt-14-dev); fi

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
  fuzz)
    export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPARLAVINTO_FUZZ=ON \
      -DBUILD_TESTING=OFF -DPARLAVINTO_BENCH=OFF
    cmake --build build-fuzz -j"$jobs"
    seconds="${FUZZ_SECONDS:-20}"
    failed=()
    for corpus in tests/fuzz/corpus/*/; do
      name=$(basename "$corpus")
      # A copy of the seeds: what a run finds stays in the build folder.
      work="build-fuzz/corpus/$name"
      rm -rf "$work" && mkdir -p "$work" && cp "$corpus"* "$work/"
      rm -f "$work/README.md"
      echo "== fuzz_$name for ${seconds}s"
      if ! (cd build-fuzz && QT_QPA_PLATFORM=offscreen "./tests/fuzz/fuzz_$name" -max_total_time="$seconds" \
              -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 "corpus/$name" 2>&1 | tail -n 25); then
        failed+=("$name")
      fi
    done
    if [ ${#failed[@]} -gt 0 ]; then
      echo "Fuzz targets that failed: ${failed[*]}" >&2
      exit 1
    fi
    ;;
  *)
    echo "usage: $0 [play|test|sanitize|fuzz]" >&2
    exit 2
    ;;
esac
