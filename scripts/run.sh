#!/bin/bash
# Runs Placemove: installs what is missing, builds the Windows build, and
# starts Placemove.exe under Wine on a folder of sample AOL profiles (made
# by tests/builder/MakeSampleProfiles in the private Wine prefix, never
# taken from an AOL installation). With a display the wizard opens on it;
# without one, a virtual display shows the wizard and WizardTour walks it to
# Finish, printing each page, the folders and shortcut files the import
# wrote, and where the screenshots of the pages are.
set -euo pipefail
source "$(dirname "$0")/environment.sh"

"$root/scripts/setup.sh"

echo "== Windows build"
build_windows >/dev/null
desktop=${DISPLAY:-}
if [ -n "$desktop" ]; then
  trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
else
  trap stop_display EXIT
  start_display
fi
prepare_wine

# The Windows path of the profile folder, and where Wine keeps it.
profiles='C:\PlacemoveSample\organize\'
echo "== Sample AOL profiles in $profiles ($WINEPREFIX/drive_c/PlacemoveSample/organize)"
"$root/scripts/wine-exec" "$build/windows/tests/builder/MakeSampleProfiles.exe" "$profiles" </dev/null

if [ -n "$desktop" ]; then
  echo "== Placemove.exe $profiles"
  "$root/scripts/wine-exec" "$build/windows/app/Placemove.exe" "$profiles" </dev/null
  echo "Placemove.exe ended."
else
  screenshots="$build/screenshots"
  mkdir -p "$screenshots"
  echo "== No display: Placemove.exe $profiles on a virtual display ($DISPLAY), walked to Finish"
  "$root/scripts/wine-exec" "$build/windows/tests/gui/WizardTour.exe" "$profiles" "$(winepath -w "$screenshots")" </dev/null
  echo "Screenshots of every page: $screenshots"
fi
