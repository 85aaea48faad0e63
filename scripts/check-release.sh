#!/bin/bash
# Builds the native release of placemove-cli (optimised, no sanitizers) and
# its Debian package, installs the package into a scratch root, and runs
# the installed program as a user would on the sample profiles: list,
# export, and export refusing to replace the file it wrote; and finds the
# page placemove.html in the package and beside it as a release file.
set -euo pipefail
source "$(dirname "$0")/environment.sh"

package_release
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() { echo "check-release: $*" >&2; exit 1; }

package=$(ls "$build/release"/placemove_*.deb)
dpkg-deb -x "$package" "$scratch/root"
program="$scratch/root/usr/bin/placemove-cli"
[ -f "$scratch/root/usr/share/man/man1/placemove-cli.1" ] || fail "the package has no manual page"
cmp -s "$(page_file)" "$scratch/root/usr/share/placemove/placemove.html" || fail "the package has not the page placemove.html"
cmp -s "$(page_file)" "$build/release/placemove.html" || fail "no release file placemove.html"

if ldd "$program" | grep -q -e libasan -e libubsan; then fail "the release is linked with the sanitizers"; fi
version=$(project_version)
[ "$("$program" --version)" = "placemove-cli $version" ] || fail "--version"
grep -q "placemove-cli $version" "$scratch/root/usr/share/man/man1/placemove-cli.1" || fail "the manual page does not name version $version"
"$build/release/tests/builder/MakeSampleProfiles" "$scratch/sample organize" >/dev/null
"$program" list "$scratch/sample organize" >"$scratch/list" 2>/dev/null || fail "list failed"
[ "$(wc -l <"$scratch/list")" -ge 4 ] || fail "list shows too few profiles"
(cd "$scratch" && "$program" export "sample organize" 2>"$scratch/summary") || fail "export failed"
grep -q '<!DOCTYPE NETSCAPE-Bookmark-file-1>' "$scratch/bookmarks.html" || fail "no bookmarks file"
grep -q '^Profiles read: ' "$scratch/summary" || fail "no summary"
status=0
(cd "$scratch" && "$program" export "sample organize" 2>/dev/null) || status=$?
[ $status -eq 1 ] || fail "export replaced a file without --force (exit $status)"
echo "check-release: the native release of placemove-cli works"
