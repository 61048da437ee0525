#!/usr/bin/env bash
# Fresh machine: install what is missing, build, and render the default creature.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja
cmake --build build
build/src/cli/vermora-cli render -o build/vermora.png
