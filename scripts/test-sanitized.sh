#!/usr/bin/env bash
# Builds the core, the CLI and their tests under ASan and UBSan and runs the
# core tests once (any report fails the run).
set -euo pipefail
cd "$(dirname "$0")/.."
flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVERMORA_WITH_APP=OFF \
  -DVERMORA_WITH_BENCH=OFF -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
cmake --build build-asan
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1
ctest --test-dir build-asan --output-on-failure --timeout 600 -j2 "$@"
