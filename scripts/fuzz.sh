#!/bin/bash
# Builds the fuzz targets (a native build with clang, libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer) and runs each for a
# bounded time, as many at once as there are cores:
#
#   scripts/fuzz.sh [seconds per target]      (60 by default)
#
# Each target starts from the seeds and past findings in its folder of
# fuzz/corpus and keeps the inputs that reach new code in
# $build/fuzz-corpus/<target>, so that later runs go on from there. An input
# that makes a target fail is saved in $build/fuzz-findings and fails the
# run: mend the fault, then add the input to the target's folder of
# fuzz/corpus, where the tests of both builds replay it.
# Without clang there is nothing to do.
set -euo pipefail
source "$(dirname "$0")/environment.sh"

seconds=${1:-60}
if ! command -v clang++ >/dev/null; then
  echo "clang++ is not installed: fuzzing skipped"
  exit 0
fi

folder="$build/fuzz"
cmake -S "$root" -B "$folder" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
  -DCMAKE_CXX_COMPILER=clang++ -DPLACEMOVE_FUZZ=ON >/dev/null
cmake --build "$folder" -j "$jobs" --target fuzzers

# target:corpus pairs; a corpus folder is named after what its inputs are,
# and the targets that read organize files share one.
targets=(OrganizeFileFuzzer:organize FavoritesWriterFuzzer:organize BookmarksFuzzer:organize NameFuzzer:names)
findings="$build/fuzz-findings"
mkdir -p "$findings"

run_target() {  # <target> <corpus>
  local target=$1 corpus=$2
  local work="$build/fuzz-corpus/$target"
  mkdir -p "$work"
  "$folder/fuzz/$target" -max_total_time="$seconds" -timeout=10 -max_len=16384 -print_final_stats=1 \
    -artifact_prefix="$findings/$target-" "$work" "$root/fuzz/corpus/$corpus" >"$build/fuzz-$target.log" 2>&1
}

status=0
pids=()
names=()
wait_first() {
  wait "${pids[0]}" || { status=1; echo "${names[0]}: FINDING, see $build/fuzz-${names[0]}.log" >&2; }
  pids=("${pids[@]:1}")
  names=("${names[@]:1}")
}
for entry in "${targets[@]}"; do
  if [ ${#pids[@]} -ge "$jobs" ]; then wait_first; fi
  target=${entry%%:*}
  echo "== Fuzzing $target for ${seconds}s"
  run_target "$target" "${entry#*:}" &
  pids+=($!)
  names+=("$target")
done
while [ ${#pids[@]} -gt 0 ]; do wait_first; done

for target in "${targets[@]%%:*}"; do
  grep -h -E "^(stat::number_of_executed_units|stat::peak_rss_mb)" "$build/fuzz-$target.log" | sed "s/^/$target /" || true
done
if [ $status -ne 0 ]; then
  tail -n 30 "$build"/fuzz-*.log >&2
  echo "Fuzzing found a fault; the failing input is in $findings." >&2
fi
exit $status
