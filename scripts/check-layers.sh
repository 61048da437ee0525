#!/usr/bin/env bash
# Fails when a file of the core includes a folder of a higher layer, or a folder
# of its own level other than its own. Prints each such include as file:line.
# Usage: scripts/check-layers.sh [core folder], default src/core beside this script.
set -euo pipefail

# The core's layers, bottom to top, one level a line; folders on one line are
# peers and include none of each other. A file may include its own folder and
# any folder of a lower line.
LAYERS='
common
params
scene
worms things texture background
compose
form
model
render
anim
variation picture
'

core="${1:-$(dirname "$0")/../src/core}"
cd "$core"

declare -A level
n=0
while read -r line; do
  [[ -z "$line" ]] && continue
  for folder in $line; do level[$folder]=$n; done
  n=$((n + 1))
done <<<"$LAYERS"

bad=0
for dir in */; do
  dir="${dir%/}"
  if [[ -z "${level[$dir]+x}" ]]; then
    echo "$dir/: a folder with no layer; add it to LAYERS in $0" >&2
    bad=$((bad + 1))
    continue
  fi
  while IFS=: read -r file line text; do
    target="${text#*\#include \"}"
    target="${target%%/*}"
    [[ "$target" == "$dir" || -z "${level[$target]+x}" ]] && continue
    if (( level[$target] >= level[$dir] )); then
      echo "src/core/$file:$line: $dir includes ${text#*\#include } ($target is not below $dir)"
      bad=$((bad + 1))
    fi
  done < <(grep -nH '^[[:space:]]*#include "[a-z_]*/' "$dir"/*.h "$dir"/*.cpp 2>/dev/null || true)
done

if (( bad > 0 )); then
  echo "check-layers: $bad include(s) against the layer order" >&2
  exit 1
fi
echo "check-layers: every include runs down the layers"
