#!/bin/bash
# Installs what building and testing Placemove needs, from Debian's packages,
# and nothing when it is all there already. Debian 12 (bookworm) or later.
#   scripts/setup.sh          everything: both builds, Wine, the browsers of the tests
#   scripts/setup.sh native   only what the native build of placemove-cli needs
set -euo pipefail

native=(cmake make g++ googletest)               # native build and its tests
packages=(
  "${native[@]}"
  g++-mingw-w64-i686-posix binutils-mingw-w64-i686  # the 32-bit Windows build
  wine wine32:i386 wine64                        # running the Windows build
  xvfb xauth x11-utils                           # a display for the wizard under test
  clang libclang-rt-14-dev                       # fuzzing with libFuzzer
  dpkg-dev file                                  # the Debian package of placemove-cli
  python3 sqlite3 firefox-esr chromium           # browsers importing an exported bookmarks file
)

if [ "${1:-}" = native ]; then packages=("${native[@]}"); fi

installed() {
  [ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null)" = "install ok installed" ]
}

missing=()
for package in "${packages[@]}"; do
  installed "$package" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Run as root, or install sudo, to install packages." >&2; exit 1; }
  sudo="sudo"
fi
if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
