#!/usr/bin/env bash
# Frames per second of a frame series, one renderer at a time beside --jobs N,
# in one run. Usage: bench/anim_jobs.sh [BUILD_DIR] [FRAMES] [JOBS] [WxH]
set -euo pipefail
build=${1:-build}
frames=${2:-24}
jobs=${3:-2}
size=${4:-64x48}
cli="$build/src/cli/vermora-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cli" defaults -o "$work/start.vmx" >/dev/null
run() {
  local n=$1 out="$work/out$1"
  local t0 t1
  t0=$(date +%s.%N)
  "$cli" anim "$work/start.vmx" --frames "$frames" --width "${size%x*}" --height "${size#*x}" \
    --jobs "$n" -o "$out" >/dev/null
  t1=$(date +%s.%N)
  echo "$t0 $t1"
}
read -r s0 s1 < <(run 1)
read -r p0 p1 < <(run "$jobs")
awk -v f="$frames" -v j="$jobs" -v s0="$s0" -v s1="$s1" -v p0="$p0" -v p1="$p1" 'BEGIN {
  s = s1 - s0; p = p1 - p0
  printf "%d frames: --jobs 1 %.2f s (%.2f frames/s), --jobs %d %.2f s (%.2f frames/s), %.2fx\n",
         f, s, f / s, j, p, f / p, s / p }'
