#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tacknote's tray instance under Wine with the
# notes folder $TACKNOTE_NOTES (default ~/Tacknote) as its working directory.
# Without a usable display it starts a virtual one and writes a screenshot.
#   scripts/run.sh         start
#   scripts/run.sh stop    end Tacknote and everything this script started
# The 32-bit program runs where the host can execute it, else the 64-bit one;
# TACKNOTE_ARCH=32 or 64 chooses instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
. scripts/arch.sh
. scripts/sample-note.sh
base=${BUILD_DIR:-build}
case $base in /*) ;; *) base=$root/$base ;; esac
state_root=${WINE_STATE_ROOT:-$HOME/.local/share/tacknote}
notes=${TACKNOTE_NOTES:-$HOME/Tacknote}

if [ "${1:-}" = stop ]; then
  for arch in 32 64; do
    [ -d "$state_root/wine$arch" ] || continue
    (
      export WINE_STATE=$state_root/wine$arch WINEPREFIX=$state_root/wine$arch/pfx
      . scripts/wine-env.sh
      wine_env_stop
    )
  done
  echo "Tacknote stopped."
  exit 0
fi

scripts/setup.sh
arch=
for a in $(arch_wanted); do
  if [ -x "$(arch_wine_loader "$a")" ]; then arch=$a; break; fi
done
[ -n "$arch" ] || { echo "run: no Wine for the architectures wanted ($(arch_wanted))" >&2; exit 1; }
why=$(arch_reason)
[ "$arch" = 64 ] && case " $(arch_wanted) " in *" 32 "*) why="the 32-bit Wine is not installed" ;; esac
echo "run: starting the $arch-bit Tacknote: $why"

build=$(arch_build_dir "$base" "$arch")
mkdir -p "$build"
ARCH=$arch BUILD_DIR=$base scripts/build.sh >"$build/build.log" 2>&1 || { tail -40 "$build/build.log"; exit 1; }

export WINE_ARCH=$arch WINE_STATE=$state_root/wine$arch HEADLESS=1
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  HEADLESS=0
fi
. scripts/wine-env.sh
wine_env_stop >/dev/null 2>&1 || true     # a previous run of this script
wine_env_start "$build/keeper.exe"

mkdir -p "$notes"
sample_note_place "$notes"
cd "$notes"
"$WINELOADER" "$build/tacknote.exe" >"$WINE_STATE/tacknote.log" 2>&1 </dev/null &
echo $! >"$WINE_STATE/tacknote.pid"
echo "Tacknote runs in $notes (its notes are the tkn*.tkn and tkn*.ini files there)."

# True once a note's window is on screen (the tray's host window stays unmapped).
note_window_shown() {
  local id
  for id in $(xwininfo -root -children 2>/dev/null | awk '/"tacknote.exe"/ { print $1 }'); do
    xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' &&
      ! xwininfo -id "$id" | grep -qE 'Width: (1|10)$' && return 0
  done
  return 1
}

if [ "$HEADLESS" = 1 ]; then
  for _ in $(seq 60); do note_window_shown && break; sleep 0.5; done
  sleep 1     # let it paint
  shot="$notes/tacknote-screen.png"
  import -window root "$shot"
  echo "No display was available: Tacknote runs on the virtual display $DISPLAY."
  echo "Screenshot: $shot"
fi
echo "Stop it with: $root/scripts/run.sh stop"
