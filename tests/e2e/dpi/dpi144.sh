#!/usr/bin/env bash
# Runs dpi_e2e once more with the display at 144 dpi, in a copy of the suite's Wine prefix
# (the dpi is a setting of the prefix, read when its wineserver starts), on the same display.
#   dpi144.sh BUILD_TREE
set -euo pipefail
build=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
[ -n "${WINEPREFIX:-}" ] && [ -n "${WINELOADER:-}" ] ||
  fail "no Wine prefix: run this through scripts/test.sh"
prefix=$build/wine144/pfx
# Made again whenever the suite's prefix was made after it.
if [ ! -f "$prefix/.dpi144-ready" ] || [ "$WINEPREFIX/.tacknote-ready" -nt "$prefix/.dpi144-ready" ]; then
  rm -rf "$prefix"
  mkdir -p "$(dirname "$prefix")"
  cp -a "$WINEPREFIX" "$prefix"
  WINEPREFIX=$prefix "$WINELOADER" reg add 'HKCU\Control Panel\Desktop' /v LogPixels \
    /t REG_DWORD /d 144 /f </dev/null >/dev/null 2>&1
  WINEPREFIX=$prefix wineserver -w
  touch "$prefix/.dpi144-ready"
fi
# Ends only this prefix's wineserver, also when the test fails or times out.
trap 'WINEPREFIX=$prefix wineserver -k 2>/dev/null || true' EXIT
cd "$build"
WINEPREFIX=$prefix "$WINELOADER" ./dpi_e2e.exe --gtest_output=xml:dpi_e2e_144.xml </dev/null
