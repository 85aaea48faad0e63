#!/bin/bash
# Installs what building and testing Placemove needs, from Debian's packages,
# and nothing when it is all there already. Debian 12 (bookworm) or later.
#   scripts/setup.sh          everything: the native and both Windows builds, Wine, the browsers of the tests
#   scripts/setup.sh native   only what the native build of placemove-cli needs
#
# 32-bit Wine (wine32, of Debian's i386 architecture) is installed only
# where this machine runs 32-bit programs; where it cannot be installed the
# Windows tests run on the 64-bit build, and this says so.
set -euo pipefail
source "$(dirname "$0")/environment.sh"

native=(cmake make g++ googletest)               # native build and its tests
packages=(
  "${native[@]}"
  g++-mingw-w64-i686-posix binutils-mingw-w64-i686      # the 32-bit Windows build
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64  # the 64-bit Windows build
  wine wine64                                    # running the Windows builds
  xvfb xauth x11-utils                           # a display for the wizard under test
  clang libclang-rt-14-dev                       # fuzzing with libFuzzer
  dpkg-dev file                                  # the Debian package of placemove-cli
  python3 sqlite3 firefox-esr chromium           # browsers importing an exported bookmarks file
)
wine32=()
if [ "${1:-}" = native ]; then
  packages=("${native[@]}")
elif runs_32bit_programs; then
  wine32=(wine32:i386)
fi

installed() {
  [ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null)" = "install ok installed" ]
}
missing() {
  local package
  for package in "$@"; do installed "$package" || echo "$package"; done
}

mapfile -t missingPackages < <(missing "${packages[@]}")
mapfile -t missingWine32 < <(missing "${wine32[@]}")
[ ${#missingPackages[@]} -eq 0 ] && [ ${#missingWine32[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Run as root, or install sudo, to install packages." >&2; exit 1; }
  sudo="sudo"
fi
install() { $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$@" >/dev/null; }

if [ ${#missingWine32[@]} -gt 0 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
# A mirror caught mid-sync fails some lists; the others are still fresh,
# and what then cannot be installed is said below.
$sudo apt-get update -qq || $sudo apt-get update -qq || echo "Some package lists could not be updated." >&2

if [ ${#missingPackages[@]} -gt 0 ]; then
  echo "Installing: ${missingPackages[*]}"
  install "${missingPackages[@]}"
fi
if [ ${#missingWine32[@]} -gt 0 ]; then
  echo "Installing: ${missingWine32[*]}"
  install "${missingWine32[@]}" ||
    echo "32-bit Wine could not be installed: the Windows tests will run on the 64-bit build." >&2
fi
exit 0
