#!/usr/bin/env bash
# Seconds of a render of the default set at its own size (what F5 renders), alone and while
# `queue run` renders a big anti-aliased still beside it at low priority, taking every core
# (--leave 0) and leaving one (--leave 1), in one run.
#   bench/queue_beside.sh [BUILD_DIR] [RUNS] [BIG_WxH]
set -euo pipefail
build=${1:-build}
runs=${2:-5}
big=${3:-3840x2160}
cli="$(realpath "$build")/src/cli/vermora-cli"
work=$(mktemp -d)
export VERMORA_HOME="$work/home"
runner=
cleanup() {
  [ -n "$runner" ] && kill "$runner" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
f5() {  # the mean of $runs renders, in seconds
  local t0 t1
  t0=$(date +%s.%N)
  for i in $(seq "$runs"); do "$cli" render -o "$work/f5.png" -q; done
  t1=$(date +%s.%N)
  echo "$t1 $t0 $runs" | awk '{ printf "%.3f", ($1 - $2) / $3 }'
}
alone=$(f5)
"$cli" examples drifting-medusa -o "$work/big.vmx" 2>/dev/null
for i in 1; do
  "$cli" queue add "$work/big.vmx" --width "${big%x*}" --height "${big#*x}" --antialias \
    -o "$work/big$i.png" -q
done
beside() {  # F5 while the queue runs with --leave $1
  "$cli" queue run -q --leave "$1" &
  runner=$!
  while ! grep -q running "$VERMORA_HOME/queue/queue.txt"; do sleep 0.05; done
  f5
  grep -q running "$VERMORA_HOME/queue/queue.txt" || echo "the queue ended during the measure" >&2
  kill -KILL "$runner"  # its POV-Ray ends with it; the job waits for the next run
  wait "$runner" 2>/dev/null || true
  runner=
}
all=$(beside 0)
leave=$(beside 1)
echo "F5 of the default set: alone ${alone} s; beside a queued ${big} anti-aliased render" \
  "taking every core ${all} s, leaving one core ${leave} s"
