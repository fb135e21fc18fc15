#!/usr/bin/env bash
# Configures (once) and builds the whole project into $BUILD_DIR (default: build/).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-build}
case $build in /*) ;; *) build=$root/$build ;; esac
mkdir -p "$build"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
        -DCMAKE_BUILD_TYPE=Release >"$build/configure.log" 2>&1 \
    || { cat "$build/configure.log"; exit 1; }
fi
cmake --build "$build" -j"${JOBS:-$(nproc)}" "$@"
