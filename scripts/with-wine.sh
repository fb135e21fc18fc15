#!/usr/bin/env bash
# Runs one command inside a started headless Xvfb + Wine environment, then stops it.
#   WINE_ARCH=64 BUILD_DIR=build-x64 WINE_STATE=/tmp/wine-x scripts/with-wine.sh wine build-x64/calendar.exe
# (BUILD_DIR here is the build tree itself; `wine` inside the command runs the right loader
# when the command is a script that uses $WINELOADER.)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export BUILD_DIR=${BUILD_DIR:-build}
case $BUILD_DIR in /*) ;; *) BUILD_DIR=$root/$BUILD_DIR ;; esac
export WINE_STATE=${WINE_STATE:-$BUILD_DIR/wine}
export HEADLESS=1
. "$root/scripts/wine-env.sh"
trap wine_env_stop EXIT
wine_env_start "$BUILD_DIR/keeper.exe"
if [ "${1:-}" = wine ]; then shift; "$WINELOADER" "$@"; else "$@"; fi
