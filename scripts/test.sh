#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless on a private Xvfb and Wine
# prefix. Extra arguments go to ctest (e.g. -R note). Stops exactly the processes it started.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
export BUILD_DIR=${BUILD_DIR:-build}
case $BUILD_DIR in /*) ;; *) BUILD_DIR=$root/$BUILD_DIR ;; esac
export WINE_STATE=${WINE_STATE:-$BUILD_DIR/wine}
export HEADLESS=1

scripts/setup.sh
scripts/build.sh

. scripts/wine-env.sh
trap wine_env_stop EXIT
wine_env_start "$BUILD_DIR/keeper.exe"

cd "$BUILD_DIR"
ctest --output-on-failure -j"${CTEST_JOBS:-2}" "$@"
