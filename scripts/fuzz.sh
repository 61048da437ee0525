#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, ASan, UBSan) and runs each for
# a bounded time: the settings loader and composer for FUZZ_SECONDS (default
# 60), the file-use check and the command-line builder for half as long each.
# A crash leaves its input in build-fuzz/ and the script fails.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-60}"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVERMORA_FUZZ=ON -DVERMORA_WITH_APP=OFF -DVERMORA_WITH_TESTS=OFF -DVERMORA_WITH_BENCH=OFF
cmake --build build-fuzz --target vermora_fuzz_settings vermora_fuzz_file_directives vermora_fuzz_command_line \
  vermora-cli
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

export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# The file-use check: seeds that hide directives the ways POV-Ray allows.
mkdir -p directives
printf '#/**/fopen F "x" write' > directives/comment
printf '#\r\ffopen F "x" write' > directives/blanks
printf '/* a */ #include "/etc/hostname"' > directives/include
printf '#include "arrays.inc" ARRAYS_WriteDF3(A, "x.df3", 8)' > directives/macro
printf '" #fopen F "x" write' > directives/quote
printf '"#"\n"fopen"\n"include"\n"write"\n"/*"\n"*/"\n"//"\n"\\x0D"\n"\\x0C"\n"save_file"\n' > directives.dict
./fuzz/vermora_fuzz_file_directives directives -dict=directives.dict -max_total_time="$((seconds / 2))" \
  -timeout=10 -max_len=4096 -print_final_stats=1
# The command-line builder: a width, a newline, a height.
mkdir -p sizes
printf '32\n24' > sizes/plain
printf '24 +O/tmp/x.png\n+Iother.pov' > sizes/options
./fuzz/vermora_fuzz_command_line sizes -max_total_time="$((seconds / 2))" -timeout=10 -max_len=256 \
  -print_final_stats=1
