#!/usr/bin/env bash
# What the sandbox adds to a render, in one run: POV-Ray alone on the composed
# scene, the program's render without the sandbox (VERMORA_BWRAP=none) and
# with it, for the default set and for a 100,000-object worm, at the default
# picture size. Usage: bench/sandbox_cost.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=$(realpath "${1:-build}")
runs=${2:-20}
cli="$build/src/cli/vermora-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
"$cli" defaults -o default.vmx >/dev/null
sed 's/^ChkWheelOn|.*/ChkWheelOn|N/; s/^EdNumber|.*/EdNumber|100000/' default.vmx > worm100k.vmx
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
