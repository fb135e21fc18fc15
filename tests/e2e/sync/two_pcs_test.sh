#!/usr/bin/env bash
# Two PCs sharing one notes folder through a real Syncthing pair on loopback: each PC is a
# Wine prefix on a display of its own running the tray in its own notes folder.
#   two_pcs_test.sh SOURCE_ROOT BUILD_TREE
# Shows: a note typed on A appears on B; B's edit reaches A's running window; a note closed
# on A closes on B; one note edited on both sides while the link is paused ends as two notes
# on both sides. Syncthing's sockets stay on 127.0.0.1. Exit 77 (ctest's skip) with the
# reason where Syncthing is missing.
set -euo pipefail
root=$1 build=$2
skip() { echo "SKIPPED: $*"; exit 77; }
command -v syncthing >/dev/null || skip "syncthing is not installed (scripts/setup.sh installs it)"
for tool in ss curl python3 Xvfb; do
  command -v $tool >/dev/null || skip "$tool is not installed"
done
case $build in *-x64) arch=64 ;; *) arch=32 ;; esac
. "$root/scripts/arch.sh"
[ -x "$(arch_wine_loader $arch)" ] || skip "the $arch-bit Wine is not installed"

work=$build/sync-e2e
screens=$build/e2e-screens
mkdir -p "$work" "$screens"
rm -rf "$work/a/notes" "$work/b/notes" "$work/st"
mkdir -p "$work/a/notes" "$work/b/notes" "$work/st"

. "$root/scripts/wine-env.sh"
. "$root/tests/e2e/sync/syncthing_pair.sh"

# One PC: a prefix (made once, then reused), an Xvfb, a wineserver and the desktop keeper.
pc_start() {
  ( export WINE_STATE=$work/$1/wine WINE_ARCH=$arch HEADLESS=1
    wine_env_start "$build/keeper.exe" >"$work/$1/start.log" 2>&1
    echo "$DISPLAY" >"$WINE_STATE/display.txt" )
}
pc_stop() {
  ( export WINE_STATE=$work/$1/wine WINEPREFIX=$work/$1/wine/pfx
    [ -d "$WINEPREFIX" ] && wine_env_stop ) || true
}
# Runs a Windows program on PC $1 in its notes folder.
on() {
  local pc=$1; shift
  ( cd "$work/$pc/notes"
    export WINEPREFIX=$work/$pc/wine/pfx WINEDEBUG=-all TACKNOTE_BUILD=$build
    export WINELOADER=$(arch_wine_loader $arch) WINEARCH=$([ $arch = 64 ] && echo win64 || echo win32)
    export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe,winealsa.drv,winepulse.drv="
    export DISPLAY=$(cat "$work/$pc/wine/display.txt")
    "$WINELOADER" "$@" )
}
# Through a file: a note process that the driver starts inherits its output and would keep
# a pipe open for as long as the note runs.
driver() {
  local rc=0
  on "$1" "$build/sync_driver.exe" "${@:2}" >"$work/driver.out" 2>>"$work/driver.log" </dev/null || rc=$?
  tr -d '\r' <"$work/driver.out"
  return $rc
}
shots() {
  driver a shot "Z:${screens//\//\\}\\sync_two_pcs_a$1.png" >/dev/null || true
  driver b shot "Z:${screens//\//\\}\\sync_two_pcs_b$1.png" >/dev/null || true
}
cleanup() {
  st_pair_stop
  pc_stop a
  pc_stop b
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  shots _failed
  for s in a b; do echo "--- notes on $s:"; ls -la "$work/$s/notes" "$work/$s/notes/Closed" 2>/dev/null || true; done >&2
  tail -20 "$work/driver.log" >&2 || true
  for s in a b; do echo "--- Syncthing $s:"; grep -v -e 'INFO: Connected to' "$work/st/$s.log" | tail -15; done >&2
  exit 1
}
# The text of a note file: what follows its four number lines.
note_text() { [ -f "$1" ] && tail -n +5 "$1" | tr -d '\r'; }
wait_for() { # seconds description command...
  local limit=$1 what=$2; shift 2
  local start=$SECONDS
  until "$@"; do
    [ $((SECONDS - start)) -lt "$limit" ] || fail "$what (after ${limit}s)"
    sleep 0.5
  done
  echo "ok: $what ($((SECONDS - start))s)"
}
has_text() { [ "$(note_text "$work/$1/notes/$2")" = "$3" ]; }
shows() { [ "$(driver "$1" text "$2")" = "$3" ]; }
shows_nothing() { ! driver "$1" text "$2" >/dev/null; }
# The note files of PC $1 holding exactly text $2 (none named as a conflict copy).
notes_with() {
  local f n=0
  for f in "$work/$1/notes"/*.tkn; do
    [ -f "$f" ] && [ "$(note_text "$f")" = "$2" ] && n=$((n + 1))
  done
  echo $n
}
one_note_each() { # pc text text
  [ "$(notes_with "$1" "$2")" = 1 ] && [ "$(notes_with "$1" "$3")" = 1 ] &&
    ! ls "$work/$1/notes" | grep -q -e sync-conflict
}
file_with() { # pc text -> the note file's name
  local f
  for f in "$work/$1/notes"/*.tkn; do
    [ "$(note_text "$f")" = "$2" ] && { basename "$f"; return; }
  done
}

echo "starting two Syncthing instances and two PCs"
st_pair_start "$work/st" "$work/a/notes" "$work/b/notes"
pc_start a & pa=$!
pc_start b & pb=$!
# A PC that failed to start is reported with its log below; a bare failed wait would end the
# script without a word.
wait $pa || true
wait $pb || true
for s in a b; do [ -s "$work/$s/wine/display.txt" ] || { cat "$work/$s/start.log"; fail "PC $s did not start"; }; done
wait_for 60 "the two Syncthing instances are connected" st_pair_connected
st_pair_check_loopback || fail "Syncthing used an address beyond 127.0.0.1"
on a "$build/tacknote.exe" >/dev/null 2>&1 </dev/null &
on b "$build/tacknote.exe" >/dev/null 2>&1 </dev/null &
sleep 3

note=$(driver a new "typed on A") || fail "no new note on A"
has_text a "$note" "typed on A" || fail "A's note file does not hold its text"
wait_for 60 "the note typed on A reaches B's folder" has_text b "$note" "typed on A"
wait_for 10 "B's tray shows it" shows b "$note" "typed on A"

driver b type "$note" " and B" >/dev/null || fail "typing on B failed"
wait_for 60 "B's edit reaches A's folder" has_text a "$note" "typed on A and B"
wait_for 5 "A's running window shows B's edit" shows a "$note" "typed on A and B"

pair=$(driver a new "both sides") || fail "no second note on A"
wait_for 60 "the second note reaches B" shows b "$pair" "both sides"
st_pair_pause
sleep 2
driver a type "$pair" " alpha" >/dev/null || fail "typing on A failed"
driver b type "$pair" " beta" >/dev/null || fail "typing on B failed"
wait_for 5 "A saved its edit" has_text a "$pair" "both sides alpha"
wait_for 5 "B saved its edit" has_text b "$pair" "both sides beta"
wait_for 20 "A's Syncthing has seen A's edit" st_scanned a "$pair" "$work/a/notes/$pair"
wait_for 20 "B's Syncthing has seen B's edit" st_scanned b "$pair" "$work/b/notes/$pair"
st_pair_resume
for s in a b; do
  wait_for 60 "PC $s ends with both texts as two notes" one_note_each $s "both sides alpha" "both sides beta"
done
for s in a b; do
  for t in "both sides alpha" "both sides beta"; do
    wait_for 10 "PC $s shows '$t'" shows $s "$(file_with $s "$t")" "$t"
  done
done
shots ""

driver a close "$note" >/dev/null || fail "closing on A failed"
wait_for 60 "the note closed on A leaves B's folder" eval "[ ! -f '$work/b/notes/$note' ]"
wait_for 5 "B's window of it closes" shows_nothing b "$note"
if [ -d "$work/a/notes/Closed" ]; then
  for s in a b; do
    wait_for 60 "the closed note is in $s's Closed folder" \
      eval "grep -rqs 'typed on A and B' '$work/$s/notes/Closed'"
  done
fi
st_pair_check_loopback || fail "Syncthing used an address beyond 127.0.0.1"
echo "PASS"
