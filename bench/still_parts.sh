#!/usr/bin/env bash
# Seconds for one big anti-aliased still of an example rendered whole, in bands
# side by side here (render --parts), and in bands over ssh to this machine (a
# job list run by GNU Parallel on a private sshd on loopback, then join), with
# the pixels that differ from the whole picture, in one run. Needs root,
# openssh-server, GNU Parallel, rsync and ImageMagick.
#   bench/still_parts.sh [BUILD_DIR] [EXAMPLE] [WxH] [LOCAL_PARTS] [SSH_PARTS] [JOBS]
set -euo pipefail
build=${1:-build}
example=${2:-drifting-medusa}
size=${3:-1280x960}
local_parts=${4:-2}
ssh_parts=${5:-4}
jobs=${6:-2}
cli="$(realpath "$build")/src/cli/vermora-cli"
# shellcheck source=bench/ssh_host.sh
. "$(dirname "$0")/ssh_host.sh"
"$cli" examples "$example" -o "$work/set.vmx" 2>/dev/null
render() { "$cli" render "$work/set.vmx" --width "${size%x*}" --height "${size#*x}" --antialias "$@"; }
listed() {
  render --parts "$ssh_parts" --job-list "$work/list" -o "$work/ssh.png"
  echo "$jobs/$host" > "$work/list/hosts.txt"
  run_listed "$work/list"
  "$cli" join "$work/list" -o "$work/ssh.png"
}
whole_s=$(seconds render -o "$work/whole.png")
local_s=$(seconds render --parts "$local_parts" --jobs "$jobs" -o "$work/local.png")
ssh_s=$(seconds listed)
differ() { compare -metric AE "$work/whole.png" "$work/$1.png" null: 2>&1 || true; }
echo "$example at $size anti-aliased: whole ${whole_s} s; $local_parts parts here, $jobs at once," \
  "${local_s} s ($(differ local) pixels differ); $ssh_parts parts over ssh, $jobs jobs," \
  "${ssh_s} s ($(differ ssh) pixels differ)"
