#!/bin/bash
# Benchmarks of the native release of placemove-cli (build/release), not
# part of scripts/test.sh:
# - export of a generated profile of 1,000,000 favourites (and, to show
#   that memory does not grow with the profile, of 100,000): the time and
#   the peak memory (maximum resident set) of the export;
# - import --to of 40,000 favourites against BareWrite, which writes the
#   same folders and shortcut files with bare mkdir/open/write/close,
#   alternating both for a number of rounds, each into an empty folder:
#   the median times and their ratio. The trees are written to memory-backed
#   storage (/dev/shm) where there is some: on a disk the time of writing
#   back what the round before wrote varies more than the whole difference.
#   scripts/bench-cli.sh [rounds]      (default: 3)
set -euo pipefail
source "$(dirname "$0")/environment.sh"

rounds=${1:-3}

echo "== Native release build"
build_release >/dev/null
cmake --build "$build/release" -j "$jobs" --target BenchProfile BareWrite >/dev/null
cli="$build/release/cli/placemove-cli"
programs="$build/release/tests/bench"
work="$build/bench-cli"
rm -rf "$work"
mkdir -p "$work"

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

echo "== Export"
printf '%-12s %10s %10s %12s\n' favourites file_MiB seconds peak_kB
for size in 100000 1000000; do
  mkdir -p "$work/export-$size"
  "$programs/BenchProfile" "$size" "$work/export-$size/bench"
  read -r seconds peak < <(measure "$cli" export "$work/export-$size" -o "$work/export-$size.html" --force)
  mib=$(( $(stat -c %s "$work/export-$size/bench") / 1048576 ))
  printf '%-12s %10s %10s %12s\n' "$size" "$mib" "$seconds" "$peak"
  grep -c '<DT><A ' "$work/export-$size.html" | xargs printf '   links in the file: %s\n'
done

size=40000
trees="$work"
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  trees=$(mktemp -d /dev/shm/placemove-bench.XXXXXX)
  trap 'rm -rf "$trees"' EXIT
fi
echo "== Import --to, 40,000 favourites, $rounds rounds, into $trees"
mkdir -p "$work/import"
"$programs/BenchProfile" "$size" "$work/import/bench"
imports=()
baselines=()
for round in $(seq "$rounds"); do
  rm -rf "$trees/to" "$trees/bare"
  sync
  read -r seconds _ < <(measure "$cli" import "$work/import" --to "$trees/to")
  imports+=("$seconds")
  sync
  baselines+=("$(awk -v ms="$("$programs/BareWrite" "$size" "$trees/bare")" 'BEGIN { printf "%.3f", ms / 1000 }')")
done
import=$(median "${imports[@]}")
baseline=$(median "${baselines[@]}")
echo "   import runs: ${imports[*]} s; baseline runs: ${baselines[*]} s"
awk -v i="$import" -v b="$baseline" 'BEGIN { printf "import %s s, baseline %s s, ratio %.2f\n", i, b, i / b }'
# The same folders and files (their Modified times differ).
if diff <(cd "$trees/to" && find . | sort) <(cd "$trees/bare" && find . | sort) >/dev/null; then
  echo "   the import and the baseline wrote the same folders and files"
else
  echo "   the import and the baseline wrote different trees"
fi
rm -rf "$work"
