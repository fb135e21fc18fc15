#!/usr/bin/env bash
# Runs one command inside a started headless Xvfb + Wine environment, then stops it.
#   BUILD_DIR=build-x WINE_STATE=/tmp/wine-x scripts/with-wine.sh wine build-x/calendar.exe
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export BUILD_DIR=${BUILD_DIR:-build}
case $BUILD_DIR in /*) ;; *) BUILD_DIR=$root/$BUILD_DIR ;; esac
export WINE_STATE=${WINE_STATE:-$BUILD_DIR/wine}
export HEADLESS=1
. "$root/scripts/wine-env.sh"
trap wine_env_stop EXIT
wine_env_start "$BUILD_DIR/keeper.exe"
"$@"
