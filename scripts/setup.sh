#!/bin/bash
# Installs what building and testing Placemove needs, from Debian's packages,
# and nothing when it is all there already. Debian 12 (bookworm) or later.
#   scripts/setup.sh          everything: the native, both Windows and the web builds, Wine, the browsers of the
#                             tests, and the npm packages of the page's tests (web/package-lock.json)
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
  emscripten nodejs                              # the page placemove.html and its tests in Chromium
)
# Debian's npm, unless a Node of another origin brings its own.
command -v npm >/dev/null || packages+=(npm)
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

# The page's tests drive Chromium with playwright-core and scan it with
# axe-core, from npm at the versions of web/package-lock.json; installed
# again only when the lock changed.
install_npm_packages() {
  [ "${1:-}" = native ] && return 0
  local web="$root/web"
  if [ ! -f "$web/node_modules/.package-lock.json" ] || [ "$web/package-lock.json" -nt "$web/node_modules/.package-lock.json" ]; then
    echo "Installing the npm packages of web/package-lock.json"
    (cd "$web" && npm ci --no-audit --no-fund >/dev/null)
  fi
}

mapfile -t missingPackages < <(missing "${packages[@]}")
mapfile -t missingWine32 < <(missing "${wine32[@]}")
if [ ${#missingPackages[@]} -eq 0 ] && [ ${#missingWine32[@]} -eq 0 ]; then
  install_npm_packages "${1:-}"
  exit 0
fi

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
install_npm_packages "${1:-}"
exit 0
