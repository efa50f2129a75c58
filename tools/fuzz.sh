#!/usr/bin/env bash
# Runs each libFuzzer target of the fuzz preset for a set time, one after the other, and says
# how many inputs each tried and whether it found a crash.
# Usage: tools/fuzz.sh SECONDS TARGET...
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=$1
shift
build=build/fuzz
bin=$build/fuzz

# Seeds made from the tests, fresh each run: the differential INI cases and the real layout.
rm -rf "$build/seeds"
"$bin/profile_seeds" tests/profile/cases "$build/seeds/fuzz_profile"
mkdir -p "$build/seeds/fuzz_layout"
cp resources/TFormVT555.layout "$build/seeds/fuzz_layout/"

found=0
for target in "$@"; do
  corpus=$build/corpus/$target   # grows from run to run
  crashes=$build/crashes/$target
  log=$build/logs/$target.log
  mkdir -p "$corpus" "$crashes" "$(dirname "$log")"
  seeds=()
  for folder in "fuzz/corpus/$target" "$build/seeds/$target"; do
    [ -d "$folder" ] && seeds+=("$folder")
  done
  before=$(find "$crashes" -type f | wc -l)
  status=0
  "$bin/$target" -max_total_time="$seconds" -print_final_stats=1 -timeout=25 \
    -artifact_prefix="$crashes/" "$corpus" "${seeds[@]}" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  if [ "$status" -ne 0 ] || [ "$(find "$crashes" -type f | wc -l)" -gt "$before" ]; then
    found=1
    artifact=$(sed -n 's/.*Test unit written to //p' "$log" | tail -1)
    echo "$target: ${runs:-0} runs, CRASH (exit $status): ${artifact:-see $log}"
    grep -m 3 -E '^(fuzz_|==[0-9]+==ERROR|SUMMARY|.*runtime error)' "$log" | sed 's/^/  /' || true
  else
    echo "$target: ${runs:-0} runs in ${seconds} s, no crash"
  fi
done
echo "logs in $build/logs/, crash inputs in $build/crashes/<target>/"
exit $found
