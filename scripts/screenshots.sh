#!/usr/bin/env bash
# Refreshes the README's pictures in docs/screens: builds the program and the picture scenes
# (tests/e2e/screens), runs the scenes against the real program under Wine on a private
# display and prefix, and compresses the PNGs. A scene that the build cannot show yet (its
# dialog is not there) is skipped and its old picture, if any, stays.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
. scripts/arch.sh
base=${BUILD_DIR:-build}
case $base in /*) ;; *) base=$root/$base ;; esac

scripts/setup.sh
arch=
for a in $(arch_wanted); do
  if [ -x "$(arch_wine_loader "$a")" ]; then arch=$a; break; fi
done
[ -n "$arch" ] || { echo "screenshots: no Wine for the architectures wanted ($(arch_wanted))" >&2; exit 1; }
build=$(arch_build_dir "$base" "$arch")
ARCH=$arch BUILD_DIR=$base scripts/build.sh --target tacknote screens_e2e keeper >/dev/null

out=$root/docs/screens
mkdir -p "$out"
export TACKNOTE_SCREENS_OUT=$out TACKNOTE_BUILD=$build
WINE_ARCH=$arch BUILD_DIR=$build WINE_STATE=$build/wine-screens \
  scripts/with-wine.sh wine "$build/screens_e2e.exe" --gtest_brief=1
# The picture taker writes uncompressed PNGs.
for png in "$out"/*.png; do
  convert "$png" -strip -define png:compression-level=9 "$png"
done
echo "screenshots: $(ls "$out" | tr '\n' ' ')in ${out#"$root"/}"
