#!/usr/bin/env bash
# What the sandbox adds to a render, in one run: POV-Ray alone on the composed
# scene, the program's render without the sandbox (VERMORA_BWRAP=none) and
# with it, for the default set and for a worm of about 100,000 objects, at the default
# picture size. Usage: bench/sandbox_cost.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=$(realpath "${1:-build}")
runs=${2:-20}
cli="$build/src/cli/vermora-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
"$cli" defaults -o default.vmx >/dev/null
sed 's/^ChkWheelOn|.*/ChkWheelOn|N/; s/^EdNumber|.*/EdNumber|50000/' default.vmx > worm100k.vmx
"$cli" estimate worm100k.vmx
for set in default worm100k; do
  "$cli" compose "$set.vmx" -o "$set.pov" >/dev/null
  hyperfine --warmup 2 --runs "$runs" --export-markdown "$set.md" \
    -n "POV-Ray alone" "povray +I$set.pov +W209 +H163 -D -GA +L$build/share/vermora +O$set.png" \
    -n "render, no sandbox" "VERMORA_BWRAP=none $cli render $set.vmx -o $set.png --max-objects 1e9" \
    -n "render, sandboxed" "$cli render $set.vmx -o $set.png --max-objects 1e9" >/dev/null
  echo "## $set"
  cat "$set.md"
done
# The sandbox's own start, without POV-Ray: what it adds to every render.
echo "## the sandbox's start alone"
hyperfine -N --warmup 5 --runs 100 --export-markdown start.md -n "/bin/true" "/bin/true" \
  -n "/bin/true in bubblewrap" "bwrap --unshare-all --die-with-parent --cap-drop ALL --ro-bind /usr /usr \
  --symlink usr/bin /bin --symlink usr/lib /lib --symlink usr/lib64 /lib64 --ro-bind-try /etc/povray /etc/povray \
  --dev /dev --proc /proc --tmpfs /tmp -- /bin/true" >/dev/null
cat start.md
