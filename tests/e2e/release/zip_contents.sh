#!/usr/bin/env bash
# Makes this tree's zip with scripts/package.sh, checks what it holds and unpacks it into
# <build>/release-test/unpacked for release_zip_e2e, which starts the exe from there.
#   zip_contents.sh SOURCE_ROOT BUILD_TREE ARCH
set -euo pipefail
root=$1 build=$2 arch=$3
out=$build/release-test
version=$(sed -n 's/^#define TKN_VERSION_TEXT "\(.*\)"$/\1/p' "$root/res/version.h")
rm -rf "$out"
mkdir -p "$out"
env "TACKNOTE_TREE$arch=$build" "$root/scripts/package.sh" --out "$out" "zip$arch"
zip=$out/tacknote-$version-win$arch.zip

fail() { echo "FAIL: $*" >&2; exit 1; }
folder=tacknote-$version
expected=$(printf '%s\n' "$folder/" "$folder/LICENSE.txt" "$folder/README.txt" "$folder/tacknote.exe")
listed=$(unzip -Z1 "$zip" | LC_ALL=C sort)
[ "$listed" = "$expected" ] || fail "the zip holds"$'\n'"$listed"$'\n'"instead of"$'\n'"$expected"

unzip -q "$zip" -d "$out/unpacked"
dir=$out/unpacked/$folder
cmp -s "$dir/tacknote.exe" "$build/shipped/tacknote.exe" ||
  fail "tacknote.exe in the zip is not the one shipped from $build"
# What ships carries no symbol tables nor debugging sections.
file "$dir/tacknote.exe" | grep -q "stripped" || fail "tacknote.exe in the zip is not stripped"
if x86_64-w64-mingw32-objdump -h "$dir/tacknote.exe" | grep -qE ' \.(debug|stab)'; then
  fail "tacknote.exe in the zip has debugging sections"
fi
if [ "$arch" = 64 ]; then format=pei-x86-64; else format=pei-i386; fi
x86_64-w64-mingw32-objdump -f "$dir/tacknote.exe" | grep -q "file format $format" ||
  fail "tacknote.exe in the win$arch zip is not a $arch-bit program"
# Statically linked: a user needs no runtime DLL beside the system's.
imports=$(x86_64-w64-mingw32-objdump -p "$dir/tacknote.exe" | sed -n 's/^\tDLL Name: //p' | tr 'A-Z' 'a-z')
for dll in $imports; do
  case $dll in libstdc++*|libgcc*|libwinpthread*|msvcp*|vcruntime*|ucrtbase*)
    fail "tacknote.exe needs the runtime DLL $dll";; esac
  # Every note process would load these (and what they pull in) at start-up; they are looked
  # up when a dialog or the tray first needs them.
  case $dll in comdlg32*|shell32*|comctl32*|oleaut32*|ole32*)
    fail "tacknote.exe imports $dll, which a note process should load only when it needs it";; esac
done
# The release stays lean: a growth past this is worth a look before it ships.
size=$(stat -c %s "$dir/tacknote.exe")
[ "$arch" != 32 ] || [ "$size" -lt $((600 * 1024)) ] ||
  fail "the 32-bit tacknote.exe is $size bytes, over 600 KB"

# Texts for Windows: every line ends in CR LF.
for f in README.txt LICENSE.txt; do
  [ -s "$dir/$f" ] || fail "$f is empty"
  if grep -qv $'\r$' "$dir/$f"; then fail "$f has lines without CR LF"; fi
done
grep -q "^Tacknote $version"$'\r$' "$dir/README.txt" || fail "README.txt does not start with the version"
grep -q "working directory" "$dir/README.txt" || fail "README.txt does not say where notes are kept"
grep -q "tkn<number>.tkn" "$dir/README.txt" || fail "README.txt does not name the note files"
grep -q "^MIT License" "$dir/LICENSE.txt" || fail "LICENSE.txt is not the MIT licence"
grep -q "The Tacknote developers" "$dir/LICENSE.txt" || fail "LICENSE.txt names no makers"
echo "the win$arch zip holds tacknote.exe ($format, stripped, $(stat -c %s "$dir/tacknote.exe") bytes), README.txt and LICENSE.txt"
