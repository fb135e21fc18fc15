#!/usr/bin/env bash
# Installs the release silently into the test suite's Wine prefix, checks what landed where,
# uninstalls silently and checks that the program went and the notes stayed.
#   installer_test.sh SOURCE_ROOT BUILD_TREE ARCH setup|x64stub
# setup:   the release's tacknote-<version>-setup.exe, a 32-bit program (needs both trees).
# x64stub: the same installer script built as a 64-bit program, for hosts that cannot run
#          32-bit code; it tests the script's work, not the 32-bit installer's own code.
# Exit code 77 (ctest's skip) with the reason when this host cannot run the variant.
set -euo pipefail
root=$1 build=$2 arch=$3 variant=$4
. "$root/scripts/arch.sh"
version=$(sed -n 's/^#define TKN_VERSION_TEXT "\(.*\)"$/\1/p' "$root/res/version.h")
skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }
[ -n "${WINEPREFIX:-}" ] && [ -n "${WINELOADER:-}" ] ||
  fail "no Wine prefix: run this through scripts/test.sh"

if [ "$variant" = setup ]; then
  arch_host_runs_32 || skip "this host's kernel cannot execute 32-bit programs, and" \
    "tacknote-$version-setup.exe is one (release_installer_x64stub runs the same script as a 64-bit program)"
  [ -x /usr/lib/wine/wine ] || skip "the 32-bit Wine is not installed"
  base=${build%-x64}
  for t in "$base" "$base-x64"; do
    [ -f "$t/shipped/tacknote.exe" ] || skip "$t/shipped/tacknote.exe is not built (TACKNOTE_BUILD_ARCHS); the installer holds both"
  done
  pack=(env "TACKNOTE_TREE32=$base" "TACKNOTE_TREE64=$base-x64")
  loader=/usr/lib/wine/wine installer=tacknote-$version-setup.exe
else
  [ "$arch" = 64 ] || skip "a 64-bit installer cannot run in the 32-bit suite's prefix; release_installer_setup runs the real one here"
  pack=(env "TACKNOTE_TREE64=$build")
  loader=$WINELOADER installer=tacknote-$version-setup-x64stub.exe
fi
out=$build/release-test-$variant   # one per variant: the two may run side by side
rm -rf "$out"
mkdir -p "$out"
"${pack[@]}" "$root/scripts/package.sh" --out "$out" "$([ "$variant" = setup ] && echo setup || echo setup-x64stub)"

wine_cmd() { "$WINELOADER" "$@" </dev/null 2>/dev/null | tr -d '\r'; }
unix_path() {  # C:\x\y -> the prefix's file
  local p=${1//\\//}
  echo "$WINEPREFIX/drive_c${p#[Cc]:}"
}
reg_value() {  # reg_value KEY NAME
  wine_cmd reg query "$1" /v "$2" | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
# A shortcut keeps its target and its working folder as counted UTF-16 strings: a string
# ends with the path (the count may read as a character before it).
lnk_has() {  # lnk_has FILE PATH
  local line want=${2,,}
  while IFS= read -r line; do
    line=${line,,}
    [ "$line" = "$want" ] || [ "${line:1}" = "$want" ] && return 0
  done < <(strings -el "$1")
  return 1
}
shell_folders='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders'
uninst_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tacknote'

# Wine links the prefix's Documents to the Unix home; the installer's notes folder must land
# inside this test prefix, never among the user's own files.
docs_win=$(reg_value "$shell_folders" Personal)
[ -n "$docs_win" ] || fail "the prefix names no Documents folder"
docs=$(unix_path "$docs_win")
if [ -L "$docs" ]; then rm "$docs" && mkdir "$docs"; fi
case $(realpath "$docs") in "$(realpath "$WINEPREFIX")"/*) ;; *) fail "$docs lies outside the prefix" ;; esac
appdata=$(unix_path "$(reg_value "$shell_folders" AppData)")
programs=$(unix_path "$(reg_value "$shell_folders" Programs)")
startup=$(unix_path "$(reg_value "$shell_folders" Startup)")
pf_win='C:\Program Files\Tacknote'
pf=$(unix_path "$pf_win")
notes=$docs/Tacknote
# A previous run that failed half-way leaves its traces; start clean.
rm -rf "$pf" "$notes" "$programs/Tacknote" "$startup/Tacknote.lnk"
wine_cmd reg delete "$uninst_key" /f >/dev/null || true

echo "installing $installer /S /LOGON"
"$loader" "$out/$installer" /S /LOGON </dev/null >/dev/null 2>&1 || fail "the installer failed ($?)"
# The installer picks the exe that fits the Windows: the one of this suite's prefix.
exe=$build/shipped/tacknote.exe   # what the release holds: the stripped exe
for f in tacknote.exe README.txt LICENSE.txt uninstall.exe; do
  [ -f "$pf/$f" ] || fail "$pf_win\\$f is missing after the install"
done
cmp -s "$pf/tacknote.exe" "$exe" || fail "the installed tacknote.exe is not $exe (the $arch-bit one)"
[ -d "$notes" ] || fail "the notes folder Documents\\Tacknote was not made"
for lnk in "$programs/Tacknote/Tacknote.lnk" "$startup/Tacknote.lnk"; do
  [ -f "$lnk" ] || fail "${lnk#"$appdata"/} is missing"
  lnk_has "$lnk" "$pf_win\\tacknote.exe" || fail "${lnk##*/} does not start $pf_win\\tacknote.exe"
  lnk_has "$lnk" "$docs_win\\Tacknote" || fail "${lnk#"$appdata"/} does not start in $docs_win\\Tacknote"
done
[ -f "$programs/Tacknote/Uninstall Tacknote.lnk" ] || fail "the Start menu has no uninstall entry"
[ "$(reg_value "$uninst_key" DisplayName)" = Tacknote ] || fail "Add/Remove Programs has no entry"
[ "$(reg_value "$uninst_key" DisplayVersion)" = "$version" ] || fail "the entry's version is not $version"
[ "$(reg_value "$uninst_key" Publisher)" = "The Tacknote developers" ] || fail "the entry names other makers"
uninstall=$(reg_value "$uninst_key" QuietUninstallString)
[ "$uninstall" = "\"$pf_win\\uninstall.exe\" /S" ] || fail "the quiet uninstall command is '$uninstall'"
echo "installed: $pf_win, Start menu, logon entry, Add/Remove Programs entry"

# What the user made: a note in the notes folder and a file of their own in the program folder.
printf '10\r\n10\r\n200\r\n120\r\nkeep me' >"$notes/tkn1.tkn"
printf '[Settings]\r\nWidth=190\r\n' >"$notes/tkn1.ini"
cp "$notes/tkn1.tkn" "$out/tkn1.tkn.before"; cp "$notes/tkn1.ini" "$out/tkn1.ini.before"
echo mine >"$pf/own-file.txt"

echo "uninstalling"
# The uninstaller copies itself to the temporary folder and returns at once; wait for its copy.
"$loader" "$pf/uninstall.exe" /S </dev/null >/dev/null 2>&1 || fail "the uninstaller failed ($?)"
# Its last step drops the Add/Remove Programs entry.
for _ in $(seq 60); do
  wine_cmd reg query "$uninst_key" >/dev/null || break
  sleep 0.5
done
for f in tacknote.exe README.txt LICENSE.txt uninstall.exe; do
  [ ! -e "$pf/$f" ] || fail "$pf_win\\$f is still there after the uninstall"
done
[ -f "$pf/own-file.txt" ] || fail "the uninstaller deleted a file it had not installed"
[ ! -e "$programs/Tacknote" ] || fail "the Start-menu folder is still there"
[ ! -e "$startup/Tacknote.lnk" ] || fail "the logon entry is still there"
! wine_cmd reg query "$uninst_key" >/dev/null || fail "Add/Remove Programs still lists Tacknote"
cmp -s "$notes/tkn1.tkn" "$out/tkn1.tkn.before" || fail "the uninstaller changed or deleted the note"
cmp -s "$notes/tkn1.ini" "$out/tkn1.ini.before" || fail "the uninstaller changed or deleted the note's settings"
echo "uninstalled: program, entries and registry gone; the note in Documents\\Tacknote untouched"
rm -rf "$pf" "$notes"
