# Sourced by the ssh benchmarks: a private sshd on loopback with its own keys,
# in $work (a fresh folder, removed with the server on exit), and $ssh, the ssh
# call that logs in there as $host. Needs root and openssh-server.
#
# The host is a throwaway account with /bin/sh and an empty home, as a render
# host's account would be: every remote call starts the account's shell, and
# a login shell setup such as a developer's ~/.bashrc (pyenv, say: 0.5 s) would
# be measured a call.
work=$(mktemp -d)
port=$((20000 + RANDOM % 20000))
account=vermora-bench-$port
host=$account@127.0.0.1
stop_ssh_host() {  # the job lists' shared connection first, then the server
  $ssh -o ControlPath=/tmp/vermora-ssh-%i-%C -O exit "$host" 2>/dev/null || true
  [ -f "$work/sshd.pid" ] && kill "$(cat "$work/sshd.pid")" 2>/dev/null || true
  userdel "$account" 2>/dev/null || true
  rm -rf "$work"
}
trap stop_ssh_host EXIT
mkdir -p "$work/home"
chmod 755 "$work"
useradd --shell /bin/sh --home-dir "$work/home" --no-create-home --password '*' "$account"
chown "$account" "$work/home"
ssh-keygen -q -t ed25519 -N '' -f "$work/host_key"
ssh-keygen -q -t ed25519 -N '' -f "$work/user_key"
chmod 644 "$work/user_key.pub"
mkdir -p /run/sshd
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
for _ in $(seq 100); do $ssh "$host" true 2>/dev/null && break; sleep 0.1; done

# The README's command of job list folder $1, run there with the bench's key and
# the host's own folder; $2 = without logs in for every call.
run_listed() {
  local dir="$1" command
  command=$(grep '^    parallel ' "$dir/README.txt" | sed 's/^    parallel //')
  if [ "${2:-}" = without ]; then
    command=${command/--ssh \'ssh /--ssh \'$ssh -o ControlMaster=no }
  else
    command=${command/--ssh \'ssh /--ssh \'$ssh }
  fi
  (cd "$dir" && eval "parallel --workdir $work/home/ $command")
}

seconds() {
  local t0
  t0=$(date +%s.%N)
  "$@" >/dev/null 2>&1
  echo "$(date +%s.%N) $t0" | awk '{ print $1 - $2 }'
}
