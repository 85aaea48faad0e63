#!/bin/bash
# Exports the sample AOL profiles as a bookmarks file with the native
# placemove-cli: installs what the native build needs, builds the optimised
# release (build/release), writes the three sample profiles (made by
# tests/builder/MakeSampleProfiles, not taken from any AOL installation) to
# build/samples/organize, and runs
#   placemove-cli export build/samples/organize -o build/samples/bookmarks.html --force
# Arguments are passed on to the export, e.g. --profile "Jo Smith".
set -euo pipefail
source "$(dirname "$0")/environment.sh"

"$root/scripts/setup.sh" native

echo "== Native release build"
build_release >/dev/null
samples="$build/samples"
mkdir -p "$samples/organize"
"$build/release/tests/builder/MakeSampleProfiles" "$samples/organize" >/dev/null
cli="$build/release/cli/placemove-cli"

echo "== placemove-cli list $samples/organize"
"$cli" list "$samples/organize"
echo "== placemove-cli export $samples/organize -o $samples/bookmarks.html --force $*"
"$cli" export "$samples/organize" -o "$samples/bookmarks.html" --force "$@"
echo "The bookmarks file: $samples/bookmarks.html"
