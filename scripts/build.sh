#!/usr/bin/env bash
# Configures (once) and builds the whole project for one architecture.
#   ARCH=32 (default): into $BUILD_DIR (default build/), the 32-bit product
#   ARCH=64:           into $BUILD_DIR-x64 (default build-x64/)
# Further arguments go to cmake --build (e.g. --target tacknote) instead of the whole build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/arch.sh"
arch=${ARCH:-32}
base=${BUILD_DIR:-build}
case $base in /*) ;; *) base=$root/$base ;; esac
build=$(arch_build_dir "$base" "$arch")
mkdir -p "$build"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$(arch_toolchain "$arch")" \
        -DCMAKE_BUILD_TYPE=Release >"$build/configure.log" 2>&1 \
    || { cat "$build/configure.log"; exit 1; }
fi
# Without targets: the default one and the header checks (see cmake/HeaderCheck.cmake).
[ $# -gt 0 ] || set -- --target all header_checks
cmake --build "$build" -j"${JOBS:-$(nproc)}" "$@"
