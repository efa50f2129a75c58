#!/usr/bin/env bash
# test-repeat.sh RUNS BUSY: the whole native suite RUNS times in a row, to catch the races one
# run hides. BUSY=1 keeps one core busy meanwhile, as another job on a shared CI machine does.
# Each run's log, and the output of each journey that failed in it, stays in build/repeat/.
set -uo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10} busy=${2:-0}
out=build/repeat
rm -rf "$out"
mkdir -p "$out"

busy_pid=
if [ "$busy" = 1 ]; then
    # A shell loop that never sleeps: one core's worth of load, ended with the runs.
    (while :; do :; done) &
    busy_pid=$!
    trap 'kill "$busy_pid" 2>/dev/null' EXIT
    trap 'exit 130' INT TERM
fi

red=0
for run in $(seq 1 "$runs"); do
    dir=$out/run-$run
    mkdir -p "$dir"
    start=$SECONDS
    ctest --preset native >"$dir/ctest.log" 2>&1
    status=$?
    took=$((SECONDS - start))
    failed=$(sed -n 's/^[[:space:]]*[0-9]* - \([^ ]*\) (.*/\1/p' "$dir/ctest.log" | paste -sd' ')
    if [ "$status" = 0 ]; then
        echo "run $run: green in ${took} s"
        continue
    fi
    red=$((red + 1))
    echo "run $run: red in ${took} s: ${failed:-ctest status $status}"
    grep -h 'FAIL:' "$dir/ctest.log" | sort -u | sed 's/^/    /'
    for test in $failed; do
        # e2e.a.b writes to out/a/b, dist.a to out/dist_a.
        for journey in "${test#e2e.}" "${test//./_}"; do
            journey=build/native/tests/e2e/out/${journey//.//}
            [ ! -d "$journey" ] || cp -r "$journey" "$dir/$test"
        done
    done
done
echo "summary: $((runs - red)) of $runs runs green$([ "$busy" = 1 ] && echo ', one core busy')"
[ "$red" = 0 ]
