#!/bin/bash
# Runs every test of Placemove: installs what is missing, builds the native
# build (with AddressSanitizer and UndefinedBehaviorSanitizer) and the
# 32-bit Windows build, and runs both test suites, the Windows one under Wine,
# and the native release of placemove-cli (scripts/check-release.sh);
# then, where clang is installed, runs each fuzz target for a minute
# (scripts/fuzz.sh), a finding failing the run.
set -euo pipefail
source "$(dirname "$0")/environment.sh"

"$root/scripts/setup.sh"

echo "== Native build"
build_native
echo "== Windows build"
build_windows

status=0
echo "== Native tests"
ctest --test-dir "$build/native" --output-on-failure -j "$jobs" || status=1

echo "== Native release of placemove-cli"
"$root/scripts/check-release.sh" || status=1

echo "== Windows tests (Wine)"
trap stop_display EXIT
start_display
prepare_wine
ctest --test-dir "$build/windows" --output-on-failure -j "$jobs" || status=1

echo "== Fuzzing"
"$root/scripts/fuzz.sh" 60 || status=1

if [ $status -eq 0 ]; then echo "All tests passed."; else echo "Some tests FAILED." >&2; fi
exit $status
