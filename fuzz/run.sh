#!/usr/bin/env bash
# Builds the fuzz targets with clang 16 (AddressSanitizer, UndefinedBehaviorSanitizer,
# libFuzzer) in build/fuzz and runs each for SECONDS (default 60), starting from
# the seed corpus in fuzz/corpus/<target>. Fails on the first crash.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
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
targets=(fuzz_decode_text fuzz_parse_tags_database)
cmake --build "$build" -j2 --target "${targets[@]}"
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  echo "fuzz: $target for ${seconds}s"
  "$build/bin/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=16384 \
    -print_final_stats=1 -artifact_prefix="$build/" "$corpus" "fuzz/corpus/$target"
done
