#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over every .cpp of the core (the
# headers below src/core come with them); any warning fails the run. The build
# folder only gives the compile commands: nothing is compiled.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-tidy -G Ninja -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DVERMORA_WITH_APP=OFF \
  -DVERMORA_WITH_TESTS=OFF -DVERMORA_WITH_BENCH=OFF >/dev/null
log=build-tidy/tidy.log
find src/core -name '*.cpp' -print0 | sort -z |
  xargs -0 -n 1 -P "${TIDY_JOBS:-2}" clang-tidy -p build-tidy --quiet >"$log" 2>&1 || failed=1
warnings=$(grep -cE '^[^ ]+:[0-9]+:[0-9]+: (warning|error):' "$log" || true)
if [[ ${failed:-0} -ne 0 || $warnings -ne 0 ]]; then
  grep -E '^[^ ]+:[0-9]+:[0-9]+: (warning|error):' -A3 "$log" || cat "$log"
  echo "clang-tidy: $warnings warnings on the core (all of them in $log)" >&2
  exit 1
fi
echo "clang-tidy: the core is clean"
