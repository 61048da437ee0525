#!/usr/bin/env bash
# Builds everything and runs the whole test suite RUNS times (default 3) with two
# busy processes beside it, as on a shared 2-core machine; tells each run's result,
# the tests that failed and the seconds it took, then a summary. Fails when any run did.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-3}
[[ "$runs" =~ ^[1-9][0-9]*$ ]] || { echo "usage: $0 [RUNS]" >&2; exit 2; }
cmake -S . -B build -G Ninja
cmake --build build
export QT_QPA_PLATFORM=offscreen

busy=()
stop_busy() {
  for pid in "${busy[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${busy[@]}"; do wait "$pid" 2>/dev/null || true; done
  busy=()
}
trap stop_busy EXIT
if command -v stress-ng >/dev/null; then
  stress-ng --cpu 2 --quiet &
  busy+=($!)
else
  for _ in 1 2; do
    yes >/dev/null &
    busy+=($!)
  done
fi

passed=0
all_failed=()
for ((run = 1; run <= runs; run++)); do
  log="build/test-under-load-$run.log"
  start=$SECONDS
  result=pass
  ctest --test-dir build --output-on-failure -j2 >"$log" 2>&1 || result=fail
  took=$((SECONDS - start))
  # ctest lists them as "  12 - Name (Failed)" below "The following tests FAILED:".
  mapfile -t failed < <(sed -n '/^The following tests FAILED:/,$p' "$log" |
    sed -nE 's/^[[:space:]]*[0-9]+ - (.*) \([^()]*\)[[:space:]]*$/\1/p')
  if [ "$result" = pass ]; then
    passed=$((passed + 1))
    echo "run $run: pass, ${took} s"
  else
    echo "run $run: FAIL, ${took} s: ${failed[*]:-(see $log)}  [log: $log]"
    all_failed+=("${failed[@]}")
  fi
done

echo "summary: $passed of $runs runs passed"
if ((${#all_failed[@]})); then
  echo "failed tests (how many runs):"
  printf '%s\n' "${all_failed[@]}" | sort | uniq -c | sort -rn | awk '{print "  " $2 " (" $1 ")"}'
fi
[ "$passed" -eq "$runs" ]
