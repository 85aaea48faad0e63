#!/bin/bash
# Makes the Windows zip (both Windows builds) and checks what it carries:
# the 32-bit programs at its top with the read-me of this version and the
# page placemove.html, and the 64-bit programs in its folder 64-bit, each of
# its processor.
set -euo pipefail
source "$(dirname "$0")/environment.sh"

fail() { echo "check-windows-package: $*" >&2; exit 1; }

package_windows
version=$(project_version)
zip="$(windows_folder 32)/placemove-$version-win32.zip"
[ -f "$zip" ] || fail "no $zip"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
(cd "$scratch" && cmake -E tar xf "$zip")
top="$scratch/placemove-$version-win32"

format() { x86_64-w64-mingw32-objdump -f "$1" | sed -n 's/.*file format //p'; }
for program in Placemove.exe placemove-cli.exe; do
  [ "$(format "$top/$program")" = pei-i386 ] || fail "$program is not a 32-bit program"
  [ "$(format "$top/64-bit/$program")" = pei-x86-64 ] || fail "64-bit/$program is not a 64-bit program"
done
[ "$(head -n 1 "$top/README.txt")" = "Placemove $version" ] || fail "the read-me does not name version $version"
grep -q "64-bit" "$top/README.txt" || fail "the read-me does not say which programs to use"
cmp -s "$(page_file)" "$top/placemove.html" || fail "the zip has not the page placemove.html"
echo "placemove-$version-win32.zip: 32-bit programs, 64-bit/ programs, placemove.html, read-me of $version"
