#!/usr/bin/env bash
# Builds the fuzz targets with clang 16 (clang 14 lacks what this system's C++ library
# needs for std::source_location) with AddressSanitizer, UndefinedBehaviorSanitizer and
# libFuzzer in build/fuzz and runs each, one after the other, for RUNS executions
# (default 10000000) or SECONDS (default 3600), whichever ends first, starting from the
# seed corpus in fuzz/corpus/<target>. TARGETS (default: all) names some of them. Fails on
# the first crash; the input that caused it is left in build/fuzz/crash-*.
#   fuzz/run.sh [RUNS [SECONDS [TARGET...]]]
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-10000000}"
seconds="${2:-3600}"
shift $(( $# < 2 ? $# : 2 ))
all=(fuzz_decode_text fuzz_parse_tags_database fuzz_read_script fuzz_read_resources fuzz_read_settings
  fuzz_open_project_database)
if (($#)); then targets=("$@"); else targets=("${all[@]}"); fi
scripts/bootstrap.sh
build=build/fuzz
# The JSON library's internal stacks start as null pointers and add offsets to
# them before their first allocation, which clang's pointer-overflow check
# reports; every other check stays on.
flags="-O1 -g -fsanitize=address,undefined,fuzzer-no-link -fno-sanitize=pointer-overflow"
flags+=" -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE= \
  -DCMAKE_C_COMPILER=clang-16 -DCMAKE_CXX_COMPILER=clang++-16 \
  -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$build" -j2 --target "${targets[@]}"
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  echo "fuzz: $target for $runs runs or ${seconds}s"
  "$build/bin/$target" -runs="$runs" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=16384 \
    -print_final_stats=1 -artifact_prefix="$build/" "$corpus" "fuzz/corpus/$target"
done
