#!/bin/bash
# Exports sample AOL profiles with placemove-cli, imports each bookmarks file
# into fresh Firefox and Chromium profiles, and compares the trees they show
# with the expected ones:
#   check-browsers.sh PLACEMOVE_CLI MAKE_BROWSER_CASES [RUN...]
# MakeBrowserCases writes the profiles, the list of export runs and the
# expected trees; the RUNs named are the only ones made (all without any).
# PLACEMOVE_CLI may be any program that takes the options of those runs as
# `placemove-cli export` does (the wizard's tests/gui/WizardExport).
# PLACEMOVE_EMULATOR, when set, is the command that runs both programs (a
# Windows build's wine-exec). Prints a diff for every mismatch. Exit code 0
# when every tree matched, 1 on a mismatch or failure (Firefox missing
# too), 77 when Chromium cannot run here (no user namespaces) and nothing
# mismatched.
set -u
cli=$1
make_cases=$2
shift 2
runs_asked=" $* "
# Split into the command and its words on purpose.
emulator=${PLACEMOVE_EMULATOR:-}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/check-browsers.XXXXXX")
trap 'rm -rf "$work"' EXIT

failed=0
skipped=0

# compare RUN BROWSER: imports the run's file and diffs the tree.
compare() {
  local run=$1 browser=$2 status
  "$here/$browser-import.py" "$work/$run.html" >"$work/$run.$browser.out" 2>"$work/$run.$browser.err"
  status=$?
  if [ $status -eq 3 ]; then
    echo "SKIP $run/$browser: $(cat "$work/$run.$browser.err")"
    skipped=1
  elif [ $status -ne 0 ]; then
    echo "FAIL $run/$browser: the import failed"
    cat "$work/$run.$browser.err"
    failed=1
  elif ! diff -u --label "expected $run/$browser" --label "imported $run/$browser" \
      "$work/cases/$run.$browser.txt" "$work/$run.$browser.out"; then
    echo "FAIL $run/$browser: the imported tree differs"
    failed=1
  else
    echo "ok   $run/$browser"
  fi
}

if ! $emulator "$make_cases" "$work/cases" >/dev/null; then
  echo "FAIL: $make_cases could not write the cases"
  exit 1
fi
while IFS=$'\t' read -r -a fields; do
  run=${fields[0]}
  directory=${fields[1]}
  options=("${fields[@]:2}")
  if [ "$runs_asked" != "  " ] && [[ "$runs_asked" != *" $run "* ]]; then continue; fi
  if ! $emulator "$cli" export "$work/cases/$directory" -o "$work/$run.html" "${options[@]}" 2>"$work/$run.summary"; then
    echo "FAIL $run: placemove-cli export ${options[*]} failed"
    cat "$work/$run.summary"
    failed=1
    continue
  fi
  for browser in firefox chromium; do
    if [ "$browser" = firefox ] && ! command -v firefox-esr >/dev/null; then
      # scripts/setup.sh installs it: the check is not to pass without it.
      echo "FAIL $run/firefox: firefox-esr is not installed"
      failed=1
      continue
    fi
    compare "$run" "$browser"
  done
done <"$work/cases/runs.txt"

if [ $failed -ne 0 ]; then exit 1; fi
if [ $skipped -ne 0 ]; then exit 77; fi
exit 0
