#!/bin/bash
# Times the wizard's import under Wine on a virtual display, in the private
# prefix, against a baseline that writes the same folders and shortcut files
# with the bare file calls (tests/bench/BareWrite), and prints for each
# profile size the median times, their ratio import/baseline, the median of
# the ratios of each round (an import and the baseline run right after it
# share the machine's load, which may change between rounds) and the peak
# memory (VmHWM) of the Placemove.exe process. The import is timed from
# pressing Next on the destination page to the completion text showing
# (tests/bench/BenchImport); every run writes into an empty folder, which
# is a link to memory-backed storage (/dev/shm) where there is some: on a
# disk the time of writing back what the round before wrote varies more
# than the whole difference. Not part of scripts/test.sh.
#   scripts/bench-import.sh [rounds [sizes...]]     (default: 3 rounds; 2000 10000 40000)
set -euo pipefail
source "$(dirname "$0")/environment.sh"

rounds=${1:-3}
shift || true
sizes=${*:-2000 10000 40000}

bits=$(windows_build_to_run)
echo "== Windows build, $bits-bit"
build_windows "$bits" >/dev/null
use_wine "$bits"
trees=""
if [ -d /dev/shm ] && [ -w /dev/shm ]; then trees=$(mktemp -d /dev/shm/placemove-bench.XXXXXX); fi
trap 'stop_display; [ -z "$trees" ] || rm -rf "$trees"' EXIT
start_display
prepare_wine

programs="$(windows_folder "$bits")/tests/bench"
work="$WINEPREFIX/drive_c/PlacemoveBench"
favorites="$WINEPREFIX/drive_c/users/$(id -un)/Favorites"
destination=PlacemoveBench
bare='C:\PlacemoveBench\bare'

run() { "$root/scripts/wine-exec" "$wine_arch" "$@" </dev/null; }

# Writes the peak memory (VmHWM, kB) of this prefix's Placemove.exe into
# the file $1 until killed: finds the process, then reads its status every
# half second with shell builtins only, so as to take little from the
# import it watches. BenchImport leaves the program running a second after
# the import.
watch_memory() {
  local pid="" candidate key value rest
  while [ -z "$pid" ]; do
    for candidate in $(pgrep -f 'Placemove\.exe' || true); do
      grep -qz "^WINEPREFIX=$WINEPREFIX\$" "/proc/$candidate/environ" 2>/dev/null && pid=$candidate
    done
    sleep 0.2
  done
  while [ -r "/proc/$pid/status" ]; do
    while read -r key value rest; do
      [ "$key" = "VmHWM:" ] && echo "$value" >"$1"
    done <"/proc/$pid/status" 2>/dev/null || true
    sleep 0.5
  done
}

# fresh_folder PATH: PATH empty; with memory-backed storage a link to an
# empty folder there.
fresh_folder() {
  rm -rf "$1"
  if [ -n "$trees" ]; then
    local target="$trees/$(basename "$1")"
    rm -rf "$target"
    mkdir -p "$target" "$(dirname "$1")"
    ln -s "$target" "$1"
  fi
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", (b > 0 ? a / b : 0)}'; }

median() { printf '%s\n' "$@" | sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

[ -z "$trees" ] || echo "The trees are written to $trees."
printf '%-8s %6s %12s %12s %7s %11s %12s\n' favourites rounds import_ms baseline_ms ratio round_ratio peak_kB
for size in $sizes; do
  profiles="$work/profiles/$size"
  rm -rf "$profiles"
  mkdir -p "$profiles"
  run "$programs/BenchProfile.exe" "$size" "$(winepath -w "$profiles")\\bench"
  imports=()
  baselines=()
  ratios=()
  peaks=()
  for _ in $(seq "$rounds"); do
    fresh_folder "${favorites:?}/$destination"
    memory=$(mktemp)
    echo 0 >"$memory"
    watch_memory "$memory" &
    watcher=$!
    imports+=("$(run "$programs/BenchImport.exe" "$(winepath -w "$profiles")" "$destination")")
    kill "$watcher" 2>/dev/null || true
    wait "$watcher" 2>/dev/null || true
    peaks+=("$(cat "$memory")")
    rm -f "$memory"

    fresh_folder "$work/bare"
    baselines+=("$(run "$programs/BareWrite.exe" "$size" "$bare")")
    ratios+=("$(ratio "${imports[-1]}" "${baselines[-1]}")")
  done
  rm -rf "${favorites:?}/$destination" "$work/bare"
  import=$(median "${imports[@]}")
  baseline=$(median "${baselines[@]}")
  peak=$(printf '%s\n' "${peaks[@]}" | sort -n | tail -1)
  printf '%-10s %6s %12s %12s %7s %11s %12s\n' "$size" "$rounds" "$import" "$baseline" \
    "$(ratio "$import" "$baseline")" "$(median "${ratios[@]}")" "$peak"
  echo "   import runs: ${imports[*]} ms; baseline runs: ${baselines[*]} ms; ratios: ${ratios[*]}; peaks: ${peaks[*]} kB"
done
rm -rf "$work"
