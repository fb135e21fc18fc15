#!/usr/bin/env bash
# Makes the release files from the already-built trees (it builds nothing):
#   tacknote-<version>-win32.zip   from build/shipped/tacknote.exe      (32-bit)
#   tacknote-<version>-win64.zip   from build-x64/shipped/tacknote.exe  (64-bit)
#   tacknote-<version>-setup.exe   both exes; installs the one that fits the Windows
# into dist/. Build first: ARCH=32 scripts/build.sh && ARCH=64 scripts/build.sh
#   scripts/package.sh [--out DIR] [zip32] [zip64] [setup]     (default: all three)
#   TACKNOTE_TREE32 / TACKNOTE_TREE64 name other build trees.
#   setup-x64stub: the same installer built as a 64-bit program (for the tests only).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/dist
while [ $# -gt 0 ]; do
  case $1 in
    --out) out=$2; shift 2 ;;
    --) shift; break ;;
    *) break ;;
  esac
done
what=("$@")
[ ${#what[@]} -gt 0 ] || what=(zip32 zip64 setup)
case $out in /*) ;; *) out=$PWD/$out ;; esac

version=$(sed -n 's/^#define TKN_VERSION_TEXT "\(.*\)"$/\1/p' "$root/res/version.h")
[ -n "$version" ] || { echo "package: no version in res/version.h" >&2; exit 1; }
tree32=${TACKNOTE_TREE32:-$root/build}
tree64=${TACKNOTE_TREE64:-$root/build-x64}

# The exe of one architecture, checked to be what its name says.
exe_of() {  # exe_of 32|64
  local tree format exe
  if [ "$1" = 64 ]; then tree=$tree64 format=pei-x86-64; else tree=$tree32 format=pei-i386; fi
  # The build strips its exe into shipped/; the symbols stay in the tree's own copy.
  exe=$tree/shipped/tacknote.exe
  [ -f "$exe" ] || { echo "package: $exe is missing; build it first: ARCH=$1 scripts/build.sh" >&2; return 1; }
  x86_64-w64-mingw32-objdump -f "$exe" | grep -q "file format $format" ||
    { echo "package: $exe is not a $1-bit Windows program" >&2; return 1; }
  echo "$exe"
}

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
# Texts for Windows users: CR LF line ends, so that Notepad shows them right everywhere.
sed -e "s/@VERSION@/$version/g" -e 's/$/\r/' "$root/packaging/README-windows.txt" >"$stage/README.txt"
sed -e 's/$/\r/' "$root/LICENSE" >"$stage/LICENSE.txt"
mkdir -p "$out"

make_zip() {  # make_zip 32|64
  local exe name dir
  exe=$(exe_of "$1")
  name=tacknote-$version-win$1
  dir=$stage/$name/tacknote-$version
  mkdir -p "$dir"
  cp "$exe" "$dir/tacknote.exe"
  cp "$stage/README.txt" "$stage/LICENSE.txt" "$dir/"
  rm -f "$out/$name.zip"
  (cd "$stage/$name" && zip -q -X -r "$out/$name.zip" "tacknote-$version")
  echo "package: $out/$name.zip"
}

make_setup() {  # make_setup [stub64]
  local exe32 exe64 outfile extra=()
  command -v makensis >/dev/null || { echo "package: makensis is missing (Debian package nsis; scripts/setup.sh installs it)" >&2; return 1; }
  exe64=$(exe_of 64)
  if [ "${1:-}" = stub64 ]; then
    # A 64-bit installer only ever takes its 64-bit branch; the exe there is the real one.
    exe32=$exe64 outfile=$out/tacknote-$version-setup-x64stub.exe extra=(-DSTUB_AMD64)
  else
    exe32=$(exe_of 32) outfile=$out/tacknote-$version-setup.exe
  fi
  makensis -V2 -NOCD "${extra[@]}" -DVERSION="$version" -DEXE32="$exe32" -DEXE64="$exe64" \
    -DREADME="$stage/README.txt" -DLICENSE="$stage/LICENSE.txt" -DICON="$root/res/tacknote.ico" \
    -DOUTFILE="$outfile" "$root/packaging/tacknote.nsi"
  echo "package: $outfile"
}

for w in "${what[@]}"; do
  case $w in
    zip32) make_zip 32 ;;
    zip64) make_zip 64 ;;
    setup) make_setup ;;
    setup-x64stub) make_setup stub64 ;;
    *) echo "package: unknown item '$w' (zip32, zip64, setup)" >&2; exit 2 ;;
  esac
done
