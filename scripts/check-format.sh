#!/usr/bin/env bash
# Fails when a C++ source differs from the layout .clang-format gives it, and
# names each such file. To mend: clang-format -i FILE (or git clang-format).
set -euo pipefail
cd "$(dirname "$0")/.."
bad=0
while IFS= read -r -d '' file; do
  if ! clang-format --dry-run --Werror "$file" >/dev/null 2>&1; then
    echo "check-format: $file differs from clang-format" >&2
    bad=$((bad + 1))
  fi
done < <(find src tests bench fuzz tools \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
if ((bad)); then
  echo "check-format: $bad files differ" >&2
  exit 1
fi
echo "check-format: every file is laid out as clang-format lays it out"
