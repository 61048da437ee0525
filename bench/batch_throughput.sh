#!/bin/sh
# Sets per minute of a 24-set batch at 80x60: one renderer process at a time
# beside as many as cores, in one run so both see the same machine load.
# usage: bench/batch_throughput.sh [path/to/vermora-cli]
set -e
cli=${1:-build/src/cli/vermora-cli}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cli" defaults -o "$work/p.vmx" >/dev/null
cores=$(nproc)
for jobs in 1 "$cores"; do
  start=$(date +%s.%N)
  "$cli" batch "$work/p.vmx" --engine mutate --count 24 --seed 1 --width 80 --height 60 \
    --jobs "$jobs" -o "$work/j$jobs" >/dev/null
  end=$(date +%s.%N)
  echo "$jobs $start $end" | awk '{ printf "jobs %d: %.1f sets per minute\n", $1, 24 * 60 / ($3 - $2) }'
done
