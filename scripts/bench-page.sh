#!/bin/bash
# Benchmark of the page placemove.html, not part of scripts/test.sh: the
# conversion of a generated profile of 100,000 and of 1,000,000 favourites
# in headless Chromium (web/tests/bench-page.js: from the pick to the
# download being ready, the page opened from disk), beside the native
# release of placemove-cli exporting the same file in the same run. Prints
# both times, their ratio, the file's size and the peak memory of the tab
# and of placemove-cli.
#   scripts/bench-page.sh [sizes...]      (default: 100000 1000000)
set -euo pipefail
source "$(dirname "$0")/environment.sh"

sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(100000 1000000)

echo "== Web build and native release"
build_web >/dev/null
build_release >/dev/null
cmake --build "$build/release" -j "$jobs" --target BenchProfile >/dev/null
cli="$build/release/cli/placemove-cli"
work="$build/bench-page"
rm -rf "$work"
mkdir -p "$work"
trap 'rm -rf "$work"' EXIT

printf '%-11s %8s %10s %10s %7s %12s %12s\n' favourites file_MiB page_s cli_s ratio tab_peak_kB cli_peak_kB
for size in "${sizes[@]}"; do
  mkdir -p "$work/$size"
  "$build/release/tests/bench/BenchProfile" "$size" "$work/$size/bench"
  read -r cliSeconds cliPeak < <(measure "$cli" export "$work/$size" -o "$work/$size.html" --force)
  read -r pageSeconds pagePeak < <(node "$root/web/tests/bench-page.js" "$(page_file)" "$work/$size")
  mib=$(awk -v b="$(stat -c %s "$work/$size/bench")" 'BEGIN { printf "%.1f", b / 1048576 }')
  ratio=$(awk -v p="$pageSeconds" -v c="$cliSeconds" 'BEGIN { printf "%.2f", p / c }')
  printf '%-11s %8s %10s %10s %7s %12s %12s\n' "$size" "$mib" "$pageSeconds" "$cliSeconds" "$ratio" "$pagePeak" "$cliPeak"
done
