#!/bin/bash
# Runs every test of Placemove: installs what is missing, builds the native
# build (with AddressSanitizer and UndefinedBehaviorSanitizer), the web
# build of the page placemove.html and both Windows builds (of a build that
# Wine cannot run here, only the programs the zip carries), and runs the
# native suite, the web suite (the core's reader, discovery and bookmarks
# tests under Node; the page in Chromium, compared with the native
# placemove-cli, and its downloads imported by Firefox and Chromium), the
# native release of placemove-cli (scripts/check-release.sh) and the
# Windows suite under Wine on each Windows build that Wine runs here: the 32-bit one where this
# machine runs 32-bit programs, and the 64-bit one in a win64 prefix (the
# only one where it does not; PLACEMOVE_32BIT=no takes that road anywhere).
# A machine where Wine runs neither fails. Then, where clang is installed,
# runs each fuzz target for a minute (scripts/fuzz.sh), a finding failing
# the run.
set -euo pipefail
source "$(dirname "$0")/environment.sh"

"$root/scripts/setup.sh"

echo "== Native build"
build_native
echo "== Web build (the page placemove.html)"
build_web
echo "== Windows builds (32-bit and 64-bit)"
builds=$(runnable_windows_builds)
# A build that Wine cannot run here is built for the zip only: its programs.
for bits in 64 32; do
  if [[ " $builds " == *" $bits "* ]]; then
    build_windows "$bits"
  else
    echo "The $bits-bit build: its programs only, for the zip"
    build_windows "$bits" $windows_programs
  fi
done

status=0
echo "== Native tests"
ctest --test-dir "$build/native" --output-on-failure -j "$jobs" || status=1

echo "== Web tests"
ctest --test-dir "$build/web" --output-on-failure -j "$jobs" || status=1

echo "== Native release of placemove-cli"
"$root/scripts/check-release.sh" || status=1

echo "== Windows package"
"$root/scripts/check-windows-package.sh" || status=1

if [ -z "$builds" ]; then
  no_windows_build
  status=1
fi
trap stop_display EXIT
start_display
for bits in $builds; do
  use_wine "$bits"
  echo "== Windows tests of the $bits-bit build (Wine, $WINEARCH prefix $WINEPREFIX)"
  prepare_wine
  ctest --test-dir "$(windows_folder "$bits")" --output-on-failure -j "$jobs" || status=1
  stop_wine
done

echo "== Fuzzing"
"$root/scripts/fuzz.sh" 60 || status=1

if [ $status -eq 0 ]; then echo "All tests passed."; else echo "Some tests FAILED." >&2; fi
exit $status
