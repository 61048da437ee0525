#!/usr/bin/env bash
# Frames per second of a frame series rendered here with --jobs N beside the same
# series as a portable job list, run by GNU Parallel over ssh to this machine
# (a private sshd on loopback), with one ssh connection a host and with a login a job, in
# one run. Needs root, openssh-server, GNU Parallel and rsync.
#   bench/job_list_ssh.sh [BUILD_DIR] [FRAMES] [JOBS] [WxH]
set -euo pipefail
build=${1:-build}
frames=${2:-24}
jobs=${3:-2}
size=${4:-160x120}
cli="$(realpath "$build")/src/cli/vermora-cli"
# shellcheck source=bench/ssh_host.sh
. "$(dirname "$0")/ssh_host.sh"
"$cli" defaults -o "$work/start.vmx" 2>/dev/null
anim() { "$cli" anim "$work/start.vmx" --frames "$frames" --width "${size%x*}" \
  --height "${size#*x}" "$@" 2>/dev/null; }
local_s=$(seconds anim --jobs "$jobs" -o "$work/local")
listed() {
  anim --job-list -o "$work/$1"
  echo "$jobs/$host" > "$work/$1/hosts.txt"
  run_listed "$work/$1" "$2"
}
shared_s=$(seconds listed shared with)
single_s=$(seconds listed single without)
ls "$work/shared/"anim*.bmp | wc -l | grep -qx "$frames" || { echo "frames missing" >&2; exit 1; }
awk -v f="$frames" -v j="$jobs" -v size="$size" -v l="$local_s" -v s="$shared_s" -v n="$single_s" \
  'BEGIN {
  printf "%d frames of %s, %d jobs: here %.2f frames/s; job list over ssh %.2f frames/s " \
         "with one connection a host (%.2f of here), %.2f frames/s with a login a job\n",
         f, size, j, f / l, f / s, l / s, f / n }'
