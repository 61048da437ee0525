#!/usr/bin/env bash
# Build everything and run the whole test suite (GUI tests run headless).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/check-layers.sh
scripts/check-format.sh
cmake -S . -B build -G Ninja
cmake --build build
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --timeout 600 -j2
