#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tacknote's tray instance under Wine with the
# notes folder $TACKNOTE_NOTES (default ~/Tacknote) as its working directory.
# Without a usable display it starts a virtual one and writes a screenshot.
#   scripts/run.sh         start
#   scripts/run.sh stop    end Tacknote and everything this script started
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
export BUILD_DIR=${BUILD_DIR:-build}
case $BUILD_DIR in /*) ;; *) BUILD_DIR=$root/$BUILD_DIR ;; esac
export WINE_STATE=${WINE_STATE:-$HOME/.local/share/tacknote/wine}
notes=${TACKNOTE_NOTES:-$HOME/Tacknote}
. scripts/wine-env.sh

if [ "${1:-}" = stop ]; then
  export WINEPREFIX="$WINE_STATE/pfx"
  wine_env_stop
  echo "Tacknote stopped."
  exit 0
fi

scripts/setup.sh
mkdir -p "$BUILD_DIR"
scripts/build.sh >"$BUILD_DIR/build.log" 2>&1 || { tail -40 "$BUILD_DIR/build.log"; exit 1; }

export HEADLESS=1
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  HEADLESS=0
fi
wine_env_stop >/dev/null 2>&1 || true     # a previous run of this script
wine_env_start "$BUILD_DIR/keeper.exe"

mkdir -p "$notes"
cd "$notes"
wine "$BUILD_DIR/tacknote.exe" >"$WINE_STATE/tacknote.log" 2>&1 </dev/null &
echo $! >"$WINE_STATE/tacknote.pid"
echo "Tacknote runs in $notes (its notes are the tkn*.tkn and tkn*.ini files there)."

if [ "$HEADLESS" = 1 ]; then
  sleep 3
  shot="$notes/tacknote-screen.png"
  import -window root "$shot"
  echo "No display was available: Tacknote runs on the virtual display $DISPLAY."
  echo "Screenshot: $shot"
fi
echo "Stop it with: $root/scripts/run.sh stop"
