#!/usr/bin/env bash
# Installs what building and testing need on Debian 12, and nothing when it is all there.
# Both cross compilers are always installed (both architectures are built); the 32-bit Wine
# only where this host can execute 32-bit programs (see scripts/arch.sh).
set -euo pipefail
. "$(dirname "$0")/arch.sh"

packages=(
  cmake make ccache
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  mingw-w64-tools
  wine wine64
  xvfb x11-utils imagemagick
  nsis zip unzip binutils file  # the release files (scripts/package.sh) and their tests
  googletest
  syncthing iproute2 curl python3   # the two-PC sync test (tests/e2e/sync) and its tools
  fonts-wine fonts-liberation
  cups printer-driver-cups-pdf poppler-utils
  ${SETUP_EXTRA_PACKAGES:-}
)

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

missing=()
for p in "${packages[@]}"; do installed "$p" || missing+=("$p"); done
want32=0
case " $(arch_wanted) " in *" 32 "*) want32=1 ;; esac
# Wine loads the CUPS client library of its own architecture to print.
[ $want32 = 1 ] && { ! installed wine32:i386 || ! installed libcups2:i386; } && need32=1 || need32=0
[ ${#missing[@]} -eq 0 ] && [ $need32 = 0 ] && exit 0

[ "$(id -u)" -eq 0 ] || { echo "setup: run as root to install: ${missing[*]}" >&2; exit 1; }
export DEBIAN_FRONTEND=noninteractive
if [ $need32 = 1 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
# A mirror in the middle of a sync fails one index now and then; the others still serve.
apt-get update -q || echo "setup: warning: 'apt-get update' failed for some index; going on with what was fetched" >&2
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
if [ $need32 = 1 ]; then
  echo "setup: installing wine32:i386"
  apt-get install -y -q --no-install-recommends wine32:i386 >/tmp/tacknote-wine32.log 2>&1 ||
    echo "setup: the 32-bit Wine (wine32:i386) could not be installed (see /tmp/tacknote-wine32.log); only the 64-bit build can be run here" >&2
  # Apart, so that a missing printing library never costs the 32-bit Wine itself.
  apt-get install -y -q --no-install-recommends libcups2:i386 >>/tmp/tacknote-wine32.log 2>&1 ||
    echo "setup: libcups2:i386 could not be installed; the 32-bit printing tests will be skipped" >&2
fi
exit 0
