# Sourced by the run and test scripts: a private Wine prefix on a display, with the
# processes this shell started remembered by PID so that exactly those are stopped.
#   WINE_STATE  folder for the prefix, logs and PIDs (default: <build>/wine)
#   WINE_ARCH   32 (default) or 64: the loader and the kind of prefix
#   HEADLESS=1  start an own Xvfb instead of using $DISPLAY
# Debian's `wine` wrapper takes the 32-bit loader whenever it is installed, even for a 64-bit
# prefix or on a kernel that cannot run it, so the loader is chosen here and `wine` in the
# sourcing shell runs it.

wine() { "$WINELOADER" "$@"; }

wine_env_prepare_prefix() {
  # wineboot takes 10-20 s, so a prefix is made once and reused.
  [ -f "$WINEPREFIX/.tacknote-ready" ] && return 0
  wine wineboot.exe -i >"$WINE_STATE/wineboot.log" 2>&1 </dev/null   # never through a pipe
  # A note's font may be any of the usual Windows faces; the metric-compatible Liberation
  # faces stand in for them, as they already do for Arial.
  cat >"$WINE_STATE/fonts.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Courier New"="Liberation Mono"
"Times New Roman"="Liberation Serif"
REG
  wine regedit /S "$WINE_STATE/fonts.reg" >/dev/null 2>&1 </dev/null
  if [ "${HEADLESS:-0}" = 1 ]; then
    # Without a window manager, managed windows stall 2 s each time one with a caption hides.
    cat >"$WINE_STATE/ci.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000
REG
    wine regedit /S "$WINE_STATE/ci.reg" >/dev/null 2>&1 </dev/null
  fi
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  touch "$WINEPREFIX/.tacknote-ready"
}

wine_env_place_fonts() {
  # This Wine does not load its own Tahoma, "MS Sans Serif" and Marlett from
  # /usr/share/wine/fonts; without them every measurement changes.
  local fonts="$WINEPREFIX/drive_c/windows/Fonts" f
  mkdir -p "$fonts"
  for f in tahoma.ttf tahomabd.ttf ms_sans_serif.ttf sserife.fon marlett.ttf; do
    if [ -f "/usr/share/wine/fonts/$f" ] && [ ! -f "$fonts/$f" ]; then
      cp "/usr/share/wine/fonts/$f" "$fonts/"
    fi
  done
}

wine_env_start() {
  local keeper=$1
  mkdir -p "$WINE_STATE"
  if [ "${WINE_ARCH:-32}" = 64 ]; then
    export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64
  else
    export WINEARCH=win32 WINELOADER=/usr/lib/wine/wine
  fi
  export WINEPREFIX="$WINE_STATE/pfx" WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe,winealsa.drv,winepulse.drv="
  if [ "${HEADLESS:-0}" = 1 ]; then
    rm -f "$WINE_STATE/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$WINE_STATE/display" \
      >"$WINE_STATE/xvfb.log" 2>&1 &
    echo $! >"$WINE_STATE/xvfb.pid"
    local waited=0
    until [ -s "$WINE_STATE/display" ]; do
      sleep 0.05; waited=$((waited + 1))
      [ $waited -lt 400 ] || { echo "Xvfb did not start" >&2; cat "$WINE_STATE/xvfb.log" >&2; return 1; }
    done
    export DISPLAY=:$(cat "$WINE_STATE/display")
  fi
  # Before the prefix is made, so that wineboot registers them with the system's fonts.
  wine_env_place_fonts
  wine_env_prepare_prefix
  # A persistent server, started before any wine process so that none inherits our pipes.
  wineserver -f -p >"$WINE_STATE/wineserver.log" 2>&1 </dev/null &
  echo $! >"$WINE_STATE/wineserver.pid"
  # Keeps explorer.exe (the desktop and the tray) alive between test programs; it tells
  # when the desktop runs by creating the ready file.
  rm -f "$WINE_STATE/keeper.ready"
  "$WINELOADER" "$keeper" "Z:${WINE_STATE//\//\\}\\keeper.ready" >/dev/null 2>&1 </dev/null &
  echo $! >"$WINE_STATE/keeper.pid"
  local waited=0
  until [ -f "$WINE_STATE/keeper.ready" ]; do
    sleep 0.1; waited=$((waited + 1))
    [ $waited -lt 600 ] || { echo "the Wine desktop did not start" >&2; return 1; }
  done
}

wine_env_stop() {
  [ -n "${WINEPREFIX:-}" ] && { wineserver -k 2>/dev/null; wineserver -w 2>/dev/null; } || true
  local p
  for p in tacknote keeper wineserver xvfb; do
    if [ -f "$WINE_STATE/$p.pid" ]; then
      kill "$(cat "$WINE_STATE/$p.pid")" 2>/dev/null || true
      rm -f "$WINE_STATE/$p.pid"
    fi
  done
}
