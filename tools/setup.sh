#!/usr/bin/env bash
# Installs what Kestravo needs on a fresh Debian 12 machine, then configures and builds.
# Usage: tools/setup.sh [BUILD_DIR]   (default: build)
# Sourced by run-sample.sh and run-tests.sh.
set -euo pipefail

KESTRAVO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
KESTRAVO_BUILD="${1:-${KESTRAVO_BUILD:-$KESTRAVO_ROOT/build}}"

# Debian package -> a file that tells it is installed.
declare -A KESTRAVO_PACKAGES=(
  [g++]=/usr/bin/g++
  [cmake]=/usr/bin/cmake
  [make]=/usr/bin/make
  [libgtest-dev]=/usr/include/gtest/gtest.h
  [libgmock-dev]=/usr/include/gmock/gmock.h
  [libbenchmark-dev]=/usr/include/benchmark/benchmark.h
  [qt6-base-dev]=/usr/lib/x86_64-linux-gnu/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake
  [libgl-dev]=/usr/include/GL/gl.h
  [libzip-dev]=/usr/include/zip.h
  [libcli11-dev]=/usr/include/CLI/CLI.hpp
  [pkg-config]=/usr/bin/pkg-config
  [fonts-liberation]=/usr/share/fonts/truetype/liberation/LiberationMono-Regular.ttf
  [clang-format]=/usr/bin/clang-format
  [dpkg-dev]=/usr/bin/dpkg-shlibdeps
  [clang]=/usr/bin/clang++
  [libclang-rt-14-dev]=/usr/lib/llvm-14/lib/clang/14.0.6/lib/linux/libclang_rt.asan-x86_64.a
  [locales]=/usr/share/i18n/locales/de_DE
)

missing=()
for package in "${!KESTRAVO_PACKAGES[@]}"; do
  [ -e "${KESTRAVO_PACKAGES[$package]}" ] || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  line="apt-get install -y ${missing[*]}"
  if [ "$(id -u)" -eq 0 ]; then
    echo "kestravo: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq "${missing[@]}"
  else
    echo "kestravo: these Debian packages are missing; install them as root and run again:" >&2
    echo "  sudo apt-get update && sudo $line" >&2
    exit 1
  fi
fi

cmake -S "$KESTRAVO_ROOT" -B "$KESTRAVO_BUILD" -DCMAKE_BUILD_TYPE=Release \
  -DKESTRAVO_WERROR="${KESTRAVO_WERROR:-OFF}" >/dev/null
cmake --build "$KESTRAVO_BUILD" -j "$(nproc)"
