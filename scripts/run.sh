#!/bin/bash
# Runs Placemove: installs what is missing, builds the Windows build that
# Wine runs here (the 32-bit one, or the 64-bit one where this machine does
# not run 32-bit programs; PLACEMOVE_32BIT=no chooses it anywhere), and
# starts Placemove.exe under Wine on a folder of sample AOL profiles (made
# by tests/builder/MakeSampleProfiles in the private Wine prefix, never
# taken from an AOL installation). With a display the wizard opens on it;
# without one, a virtual display shows the wizard and WizardTour walks it to
# Finish, printing each page, the folders and shortcut files the import
# wrote, and where the screenshots of the pages are.
set -euo pipefail
source "$(dirname "$0")/environment.sh"

"$root/scripts/setup.sh"

bits=$(windows_build_to_run)
folder=$(windows_folder "$bits")
echo "== Windows build, $bits-bit ($folder)"
build_windows "$bits" >/dev/null
use_wine "$bits"
desktop=${DISPLAY:-}
if [ -n "$desktop" ]; then
  trap stop_wine EXIT
else
  trap stop_display EXIT
  start_display
fi
prepare_wine

# The Windows path of the profile folder, and where Wine keeps it.
profiles='C:\PlacemoveSample\organize\'
echo "== Sample AOL profiles in $profiles ($WINEPREFIX/drive_c/PlacemoveSample/organize)"
"$root/scripts/wine-exec" "$wine_arch" "$folder/tests/builder/MakeSampleProfiles.exe" "$profiles" </dev/null

if [ -n "$desktop" ]; then
  echo "== Placemove.exe $profiles"
  "$root/scripts/wine-exec" "$wine_arch" "$folder/app/Placemove.exe" "$profiles" </dev/null
  echo "Placemove.exe ended."
else
  screenshots="$build/screenshots"
  mkdir -p "$screenshots"
  echo "== No display: Placemove.exe $profiles on a virtual display ($DISPLAY), walked to Finish"
  "$root/scripts/wine-exec" "$wine_arch" "$folder/tests/gui/WizardTour.exe" "$profiles" "$(winepath -w "$screenshots")" </dev/null
  echo "Screenshots of every page: $screenshots"
fi
