#!/bin/bash
# Measures the line coverage of aol/ and favorites/ by the native tests:
# builds the native build with gcov's instrumentation in $build/coverage,
# runs every test there, and prints for each source and header of the two
# folders (tests left out) the lines run and the lines that could run, then
# the totals. Not part of scripts/test.sh.
set -euo pipefail
source "$(dirname "$0")/environment.sh"

folder="$build/coverage"
configure_and_build "$folder" -DCMAKE_C_FLAGS=--coverage -DCMAKE_CXX_FLAGS=--coverage \
  -DCMAKE_EXE_LINKER_FLAGS=--coverage
find "$folder" -name '*.gcda' -delete

echo "== Native tests"
ctest --test-dir "$folder" -j "$jobs" >/dev/null || echo "Some tests FAILED: coverage counts what ran." >&2

# gcov prints every source and header a compilation unit reached; a line
# counts as run when any unit ran it.
cd "$folder"
find . -name '*.gcda' -print0 | xargs -0 gcov -t -r -s "$root" 2>/dev/null | awk '
  /^ *-: *0:Source:/ { sub(/^ *-: *0:Source:/, ""); file = $0; next }
  file !~ /^(aol|favorites)\// || file ~ /\/tests\// { next }
  {
    count = $1; line = $2
    sub(/\*?:$/, "", count); sub(/:$/, "", line)
    if (count == "-") next
    key = file SUBSEP line
    lines[key] = 1
    if (count != "#####" && count != "=====") run[key] = 1
  }
  END {
    for (key in lines) {
      split(key, part, SUBSEP)
      total[part[1]]++
      if (key in run) hit[part[1]]++
    }
    n = 0
    for (file in total) names[++n] = file
    for (i = 2; i <= n; i++) for (j = i; j > 1 && names[j - 1] > names[j]; j--) {
      t = names[j]; names[j] = names[j - 1]; names[j - 1] = t
    }
    for (i = 1; i <= n; i++) {
      file = names[i]
      split(file, top, "/")
      printf "%-40s %5d / %5d  %5.1f%%\n", file, hit[file], total[file], 100 * hit[file] / total[file]
      folderHit[top[1]] += hit[file]; folderTotal[top[1]] += total[file]
      allHit += hit[file]; allTotal += total[file]
    }
    for (f in folderTotal) printf "%-40s %5d / %5d  %5.1f%%\n", f "/ total", folderHit[f], folderTotal[f], 100 * folderHit[f] / folderTotal[f]
    printf "%-40s %5d / %5d  %5.1f%%\n", "aol/ and favorites/", allHit, allTotal, 100 * allHit / allTotal
  }'
