#!/usr/bin/env bash
# Builds the settings-and-compose fuzz target with clang (libFuzzer, ASan,
# UBSan) and runs it for a bounded time. FUZZ_SECONDS (default 60) sets the
# time; a crash leaves its input in build-fuzz/ and the script fails.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-60}"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVERMORA_FUZZ=ON -DVERMORA_WITH_APP=OFF -DVERMORA_WITH_TESTS=OFF -DVERMORA_WITH_BENCH=OFF
cmake --build build-fuzz --target vermora_fuzz_settings vermora-cli
corpus=build-fuzz/corpus
mkdir -p "$corpus"
# Seeds: the defaults and a few random children; the dictionary holds every
# parameter name as a line start.
cli=build-fuzz/src/cli/vermora-cli
export ASAN_OPTIONS=detect_leaks=0
"$cli" defaults -o "$corpus/default.vmx" >/dev/null
for seed in 3 28 60 92; do "$cli" random "$corpus/default.vmx" --seed "$seed" -o "$corpus/random_$seed.vmx" >/dev/null; done
rm -f "$corpus"/*.lineage "$corpus"/*.locks
tail -n +2 "$corpus/default.vmx" | cut -d'|' -f1 | sed 's/.*/"&|"/' > build-fuzz/settings.dict
cd build-fuzz
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ./fuzz/vermora_fuzz_settings corpus \
  -dict=settings.dict -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -max_len=65536 \
  -print_final_stats=1
