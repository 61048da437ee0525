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
work=$(mktemp -d)
port=$((20000 + RANDOM % 20000))
cleanup() {
  [ -f "$work/sshd.pid" ] && kill "$(cat "$work/sshd.pid")" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
ssh-keygen -q -t ed25519 -N '' -f "$work/host_key"
ssh-keygen -q -t ed25519 -N '' -f "$work/user_key"
mkdir -p /run/sshd "$work/home"
cat > "$work/sshd_config" <<CONF
Port $port
ListenAddress 127.0.0.1
HostKey $work/host_key
AuthorizedKeysFile $work/user_key.pub
PermitRootLogin prohibit-password
PasswordAuthentication no
KbdInteractiveAuthentication no
UsePAM no
StrictModes no
PidFile $work/sshd.pid
CONF
/usr/sbin/sshd -f "$work/sshd_config"
ssh="ssh -i $work/user_key -p $port -o StrictHostKeyChecking=no -o UserKnownHostsFile=/dev/null"
ssh="$ssh -o BatchMode=yes -o LogLevel=ERROR"
for _ in $(seq 100); do $ssh 127.0.0.1 true 2>/dev/null && break; sleep 0.1; done
"$cli" defaults -o "$work/start.vmx" 2>/dev/null
anim() { "$cli" anim "$work/start.vmx" --frames "$frames" --width "${size%x*}" \
  --height "${size#*x}" "$@" 2>/dev/null; }
seconds() { local t0; t0=$(date +%s.%N); "$@" >/dev/null 2>&1; echo "$(date +%s.%N) $t0" | awk "{ print \$1 - \$2 }"; }
local_s=$(seconds anim --jobs "$jobs" -o "$work/local")
listed() {  # the README's command, with the bench's key and the host's own folder
  local dir="$work/$1" command
  anim --job-list -o "$dir"
  echo "$jobs/127.0.0.1" > "$dir/hosts.txt"
  command=$(grep '^    parallel ' "$dir/README.txt" | sed 's/^    parallel //')
  if [ "$2" = without ]; then
    command=${command/--ssh \'ssh /--ssh \'$ssh -o ControlMaster=no }
  else
    command=${command/--ssh \'ssh /--ssh \'$ssh }
  fi
  (cd "$dir" && eval "parallel --workdir $work/home/ $command")
}
shared_s=$(seconds listed shared with)
single_s=$(seconds listed single without)
ls "$work/shared/"anim*.bmp | wc -l | grep -qx "$frames" || { echo "frames missing" >&2; exit 1; }
awk -v f="$frames" -v j="$jobs" -v size="$size" -v l="$local_s" -v s="$shared_s" -v n="$single_s" \
  'BEGIN {
  printf "%d frames of %s, %d jobs: here %.2f frames/s; job list over ssh %.2f frames/s " \
         "with one connection a host (%.2f of here), %.2f frames/s with a login a job\n",
         f, size, j, f / l, f / s, l / s, f / n }'
